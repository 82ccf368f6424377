#include "ledger/LetteringCell.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "ledger/YearEntries.h"

namespace letteringcell {

namespace {

bool isCellBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::optional<LetteringView> view(std::string_view cell)
{
    while (!cell.empty() && isCellBlank(cell.front()))
        cell.remove_prefix(1);
    while (!cell.empty() && isCellBlank(cell.back()))
        cell.remove_suffix(1);
    const std::size_t blank = cell.find(' ');
    if (blank < 2 || blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view code = cell.substr(0, blank);
    for (const char c : code)
        if (c < 'A' || c > 'Z')
            return std::nullopt;
    const QDate date = yearentries::storedDate(cell.substr(blank + 1));
    if (!date.isValid())
        return std::nullopt;
    return LetteringView{code, date};
}

std::optional<Lettering> parse(std::string_view cell)
{
    const std::optional<LetteringView> read = view(cell);
    if (!read)
        return std::nullopt;
    return Lettering{QString::fromLatin1(read->code.data(), qsizetype(read->code.size())), read->date};
}

std::optional<Lettering> parse(QStringView cell)
{
    const std::string bytes = cp1252::encode(cell);
    return parse(std::string_view(bytes));
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
