#include "entry/AmountText.h"

#include "ledger/TextForms.h"

namespace amounttext {

QString normalise(const QString &typed)
{
    QString text = typed;
    const qsizetype dot = text.indexOf(u'.');
    if (dot >= 0)
        text[dot] = u',';
    const auto cents = forms::parseAmount(QStringView(text));
    if (!cents)
        return {};
    return forms::rset(forms::formatAmount(*cents));
}

} // namespace amounttext
