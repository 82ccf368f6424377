#include "reports/AccountRows.h"

namespace reports {

AccountRows::Row &AccountRows::rowFor(std::string_view account)
{
    const auto [it, added] = index_.try_emplace(account, rows_.size());
    if (added)
        rows_.push_back(Row{account, {}, {}, {}, {}});
    return rows_[it->second];
}

} // namespace reports
