#include "desk/ToolFile.h"

#include "ledger/Codec1252.h"
#include "platform/Messages.h"

#include <QFileInfo>
#include <string_view>
#include <vector>

namespace toolfile {

bool mayWriteUnencodable(const QStringList &lines, Messages &messages)
{
    int count = 0;
    QString which;
    for (const QString &line : lines) {
        for (const char32_t c : QStringView(line).toUcs4()) {
            const bool encodable = c <= 0xFFFF && (c == u'?' || cp1252::encodeChar(QChar(char16_t(c))) != '?');
            if (encodable)
                continue;
            ++count;
            const QString character = QString::fromUcs4(&c, 1);
            if (!which.contains(character))
                which += (which.isEmpty() ? QString() : QStringLiteral(" ")) + character;
        }
    }
    if (count == 0)
        return true;
    const QString told =
        count == 1 ? QStringLiteral("1 caractère absent du jeu de caractères Windows (1252) (%1) sera enregistré "
                                    "comme « ? ».")
                         .arg(which)
                   : QStringLiteral("%1 caractères absents du jeu de caractères Windows (1252) (%2) seront "
                                    "enregistrés comme « ? ».")
                         .arg(count)
                         .arg(which);
    return messages.warningOkCancel(told + QStringLiteral("\n\nEnregistrer quand même ?"));
}

bool mayClose(const QString &failure, const QString &window, Messages &messages)
{
    return failure.isEmpty()
           || messages.warningOkCancel(
               QStringLiteral("%1\n\nFermer %2 sans enregistrer ces changements ?").arg(failure, window));
}

} // namespace toolfile
