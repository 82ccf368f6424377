#include "app/AccessLetter.h"

namespace menus {

QChar unaccentedAccessLetter(const QString &caption)
{
    const qsizetype amp = caption.indexOf(u'&');
    if (amp < 0 || amp + 1 >= caption.size())
        return {};
    const QChar letter = caption[amp + 1];
    const QChar plain = QString(letter).normalized(QString::NormalizationForm_D).front();
    return plain == letter ? QChar() : plain.toUpper();
}

} // namespace menus
