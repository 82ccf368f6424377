#include "entry/AmountText.h"

#include "ledger/TextForms.h"

namespace amounttext {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

QStringView trimBlanks(QStringView text)
{
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.mid(1);
    return text;
}

// The typed text without its trailing "€" and the blanks around the number or
// between two digits; blanks anywhere else are left for the reader to refuse.
QString withoutGrouping(const QString &typed)
{
    QStringView text = trimBlanks(typed);
    if (text.endsWith(u'€'))
        text = trimBlanks(text.chopped(1));
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isBlank(text[i])) {
            kept.append(text[i]);
            continue;
        }
        qsizetype next = i;
        while (next < text.size() && isBlank(text[next]))
            ++next;
        const bool betweenDigits = !kept.isEmpty() && kept.back().isDigit() && next < text.size() && text[next].isDigit();
        if (!betweenDigits)
            kept.append(text.mid(i, next - i));
        i = next - 1;
    }
    return kept;
}

} // namespace

std::optional<QString> normalise(const QString &typed)
{
    QString text = withoutGrouping(typed);
    if (text.isEmpty())
        return QString();
    const qsizetype dot = text.indexOf(u'.');
    if (dot >= 0)
        text[dot] = u',';
    const auto cents = forms::parseAmount(QStringView(text));
    if (!cents)
        return std::nullopt;
    return forms::Rset(forms::formatAmount(*cents));
}

} // namespace amounttext
