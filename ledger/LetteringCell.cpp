#include "ledger/LetteringCell.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"

namespace letteringcell {

bool isCode(QStringView text)
{
    if (text.size() < 2)
        return false;
    for (const QChar c : text)
        if (c < u'A' || c > u'Z')
            return false;
    return true;
}

std::optional<Lettering> parse(QStringView cell)
{
    const QStringView text = cell.trimmed();
    const qsizetype blank = text.indexOf(u' ');
    if (blank < 0 || !isCode(text.left(blank)))
        return std::nullopt;
    const QStringView day = text.mid(blank + 1);
    const QDate date = forms::parseDate(day);
    if (!date.isValid() || day.size() != 10 || forms::formatDate(date) != day)
        return std::nullopt;
    return Lettering{text.left(blank).toString(), date};
}

std::optional<Lettering> parse(std::string_view cell)
{
    if (cell.empty())
        return std::nullopt;
    return parse(cp1252::decode(cell));
}

QString format(const Lettering &lettering)
{
    return lettering.code + u' ' + forms::formatDate(lettering.date);
}

QString lockRefusal()
{
    return QStringLiteral("Écriture lettrée : délettrez-la d'abord.");
}

} // namespace letteringcell
