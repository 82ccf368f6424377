#include "reports/Dashboard.h"

#include "ledger/MonthLines.h"
#include "ledger/OpeningJournal.h"
#include "ledger/TextForms.h"
#include "ledger/YearEntries.h"
#include "reports/UnreadAmounts.h"

#include <algorithm>
#include <unordered_map>

namespace reports {
namespace {

using monthlines::Column;

int twoDigits(std::string_view text, std::size_t at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

// The place of a month key in the year's months; the key is one of an entry
// of the year, so six digits.
std::size_t monthIndex(std::string_view key, QDate start)
{
    const int year = twoDigits(key, 0) * 100 + twoDigits(key, 2);
    return std::size_t((year - start.year()) * 12 + twoDigits(key, 4) - start.month());
}

bool isCash(std::string_view account)
{
    return account.starts_with("51") || account.starts_with("53");
}

// The balances of the third-party accounts of one kind, account by account.
class ThirdParties {
public:
    void add(std::string_view account, Cents net) { balances_[account].add(net); }

    // The sum of the balances on one side: the debit side (positive) for the
    // customers, the credit side for the suppliers.
    AmountTotal onSide(bool debit) const
    {
        AmountTotal total;
        for (const auto &[account, balance] : balances_) {
            if (!balance.computed())
                total.add(balance);
            else if (debit ? balance.value() > 0 : balance.value() < 0)
                total.add(debit ? balance.value() : -balance.value());
        }
        return total;
    }

private:
    std::unordered_map<std::string_view, AmountTotal> balances_;
};

} // namespace

std::optional<ChargeGroup> chargeGroupOf(std::string_view account)
{
    if (account.empty() || account[0] != '6')
        return std::nullopt;
    switch (account.size() > 1 ? account[1] : ' ') {
    case '0': return ChargeGroup::Purchases;
    case '1':
    case '2': return ChargeGroup::ExternalServices;
    case '3': return ChargeGroup::Taxes;
    case '4': return ChargeGroup::Staff;
    default: return ChargeGroup::Others;
    }
}

QString chargeGroupCaption(ChargeGroup group)
{
    switch (group) {
    case ChargeGroup::Purchases: return QStringLiteral("Achats");
    case ChargeGroup::ExternalServices: return QStringLiteral("Services extérieurs");
    case ChargeGroup::Taxes: return QStringLiteral("Impôts et taxes");
    case ChargeGroup::Staff: return QStringLiteral("Personnel");
    case ChargeGroup::Others: return QStringLiteral("Autres charges");
    }
    return {};
}

Dashboard dashboardOf(const LineList &lines, const FiscalYear &year, QDate today)
{
    Dashboard result;
    if (!year.start.isValid() || !year.end.isValid() || year.end < year.start)
        return result;
    result.yearStart = year.start;
    result.yearEnd = year.end;
    for (QDate month(year.start.year(), year.start.month(), 1); month <= year.end; month = month.addMonths(1))
        result.months.push_back({month.year(), month.month(), {}, {}, {}, {}});
    result.treasuryDay = std::clamp(today, year.start, year.end);
    const std::string todayKey = forms::dateKey(result.treasuryDay).toStdString();

    // The cash movements of each month, summed into balances after the walk.
    std::vector<AmountTotal> cashMoves(result.months.size());
    ThirdParties customers, suppliers;
    UnreadAmounts unread;
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &entry) {
        const std::string_view date = entry[Column::Date];
        if (yearentries::storedEntryFault(date, entry.key(), year) != yearentries::Fault::None)
            return;
        const std::string_view account = monthlines::trimmedCell(entry[Column::Account]);
        const bool cash = isCash(account);
        const bool customer = account.starts_with("411");
        const bool supplier = account.starts_with("401");
        const bool income = account.starts_with("6") || account.starts_with("7");
        if (!cash && !customer && !supplier && !income)
            return;
        const std::optional<Cents> debit = unread.read(entry, entry[Column::Debit]);
        const std::optional<Cents> credit = unread.read(entry, entry[Column::Credit]);
        const Cents net = debit.value_or(0) - credit.value_or(0);
        const std::size_t index = monthIndex(entry.key(), year.start);
        const bool opening = monthlines::trimmedCell(entry[Column::Journal]) == journals::kOpening
                             && yearentries::storedDate(date) == year.start;
        if (cash) {
            cashMoves[index].add(net);
            if (opening)
                result.openingTreasury.add(net);
            if (forms::dateKey(date) <= todayKey)
                result.treasuryToday.add(net);
        } else if (customer) {
            customers.add(account, net);
        } else if (supplier) {
            suppliers.add(account, net);
        } else if (!opening) {
            DashboardMonth &month = result.months[index];
            if (account[0] == '6') {
                month.charges.add(net);
                month.result.add(-net);
                result.chargeGroups[std::size_t(*chargeGroupOf(account))].add(net);
            } else {
                month.result.add(-net);
                if (account.starts_with("70"))
                    month.sales.add(-net);
            }
        }
    });

    AmountTotal treasury;
    for (std::size_t i = 0; i < result.months.size(); ++i) {
        treasury.add(cashMoves[i]);
        result.months[i].treasury = treasury;
    }
    result.receivable = customers.onSide(true);
    result.payable = suppliers.onSide(false);

    bool whole = result.treasuryToday.computed() && result.openingTreasury.computed() && result.receivable.computed()
                 && result.payable.computed();
    for (const DashboardMonth &month : result.months)
        for (const AmountTotal *figure : {&month.sales, &month.charges, &month.result, &month.treasury})
            whole = whole && figure->computed();
    for (const AmountTotal &group : result.chargeGroups)
        whole = whole && group.computed();
    result.message = whole ? unread.message() : forms::totalTooLarge();
    return result;
}

QString dashboardAmount(const AmountTotal &amount)
{
    if (!amount.computed())
        return {};
    const Cents value = amount.value();
    const QString digits = QString::number(value < 0 ? -value : value).rightJustified(3, u'0');
    QString whole = digits.left(digits.size() - 2);
    // Narrow no-break spaces between the thousands, as French typography has them.
    for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
        whole.insert(at, QChar(0x202F));
    return (value < 0 ? QStringLiteral("-") : QString()) + whole + u',' + digits.right(2);
}

} // namespace reports
