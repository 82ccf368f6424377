#include "reports/AccountRows.h"

#include "ledger/Codec1252.h"
#include "reports/ChartLabels.h"

#include <algorithm>

namespace reports {

AccountRows::Row &AccountRows::rowFor(std::string_view account)
{
    const auto [it, added] = index_.try_emplace(account, rows_.size());
    if (added)
        rows_.push_back(Row{account, {}, {}, {}, {}});
    return rows_[it->second];
}

void AccountRows::sortByAccount()
{
    std::stable_sort(rows_.begin(), rows_.end(), [](const Row &a, const Row &b) { return a.account < b.account; });
    for (std::size_t i = 0; i < rows_.size(); ++i)
        index_[rows_[i].account] = i;
}

bool AccountRows::allComputed() const
{
    return std::all_of(rows_.begin(), rows_.end(),
                       [](const Row &row) { return row.debit.computed() && row.credit.computed(); });
}

void AccountRows::writeTo(TextGrid &grid, const CodeList &chart, const Columns &columns) const
{
    grid.clearRows(1);
    int r = 0;
    for (const Row &row : rows_) {
        grid.growFor(++r);
        const QString account = cp1252::decode(row.account);
        auto put = [&](int col, const QString &text) {
            if (col >= 0)
                grid.set(r, col, text);
        };
        put(columns.date, cp1252::decode(row.date));
        put(columns.account, account);
        put(columns.label, accountLabel(chart, account));
        put(columns.journal, cp1252::decode(row.journal));
        put(columns.debit, row.debit.text());
        put(columns.credit, row.credit.text());
    }
    grid.touch();
}

} // namespace reports
