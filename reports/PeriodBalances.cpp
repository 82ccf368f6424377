#include "reports/PeriodBalances.h"

#include "ledger/MonthLines.h"

#include <unordered_map>

namespace reports {
namespace {

} // namespace

PeriodBalances::PeriodBalances(const LineList &lines, QDate from, QDate to)
{
    const std::string first = forms::dateKey(from).toStdString();
    const std::string last = forms::dateKey(to).toStdString();
    std::unordered_map<std::string_view, std::size_t> index;
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &entry) {
        using monthlines::Column;
        const std::string key = forms::dateKey(entry[Column::Date]);
        if (key < first || key > last)
            return;
        const std::string_view code = monthlines::trimmedCell(entry[Column::Account]);
        const auto [it, added] = index.try_emplace(code, accounts_.size());
        if (added)
            accounts_.push_back({code, {}, false});
        PeriodAccount &account = accounts_[it->second];
        for (const bool debit : {true, false}) {
            if (const std::optional<Cents> amount = unread_.read(entry, entry[debit ? Column::Debit : Column::Credit])) {
                account.balance.add(debit ? *amount : -*amount);
                account.read = true;
            }
        }
    });
}

} // namespace reports
