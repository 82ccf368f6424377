#include "reports/UnreadAmounts.h"

#include "ledger/Codec1252.h"

namespace reports {
namespace {

bool blank(std::string_view text)
{
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

std::optional<Cents> UnreadAmounts::read(const monthlines::Entry &entry, std::string_view amount)
{
    const std::optional<Cents> value = forms::parseAmount(amount);
    if (!value && !blank(amount) && count_++ == 0) {
        amount_ = amount;
        date_ = entry[monthlines::Column::Date];
        account_ = entry[monthlines::Column::Account];
    }
    return value;
}

QString UnreadAmounts::message() const
{
    if (count_ == 0)
        return {};
    const QString where = QStringLiteral("écriture du %1, compte %2")
                              .arg(cp1252::decode(date_).trimmed(), cp1252::decode(account_).trimmed());
    const QString first = forms::notANumber(cp1252::decode(amount_).trimmed());
    if (count_ == 1)
        return QStringLiteral("%1 (%2) : ce montant est compté pour zéro.").arg(first, where);
    if (count_ == 2)
        return QStringLiteral("%1 (%2) : ce montant et un autre montant illisible sont comptés pour zéro.").arg(first, where);
    return QStringLiteral("%1 (%2) : ce montant et %3 autres montants illisibles sont comptés pour zéro.")
        .arg(first, where)
        .arg(count_ - 1);
}

} // namespace reports
