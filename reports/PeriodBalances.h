#pragma once

#include "ledger/AmountTotal.h"
#include "ledger/LineList.h"
#include "reports/UnreadAmounts.h"

#include <QDate>
#include <string_view>
#include <vector>

namespace reports {

// The balance of one account over the period: debits minus credits, exactly
// in cents.
struct PeriodAccount {
    std::string_view code; // as keyed, less the blanks around it
    AmountTotal balance;
    bool read = false; // whether any of its amounts was a number
};

// The balances of the accounts over two dates, both included, the entries
// selected as the balance of accounts selects them, in one pass over the
// lines. The accounts come in the order the entries first name them.
class PeriodBalances {
public:
    PeriodBalances(const LineList &lines, QDate from, QDate to);

    const std::vector<PeriodAccount> &accounts() const { return accounts_; }
    // The amounts that were no number, counted as zero.
    const UnreadAmounts &unread() const { return unread_; }

private:
    std::vector<PeriodAccount> accounts_;
    UnreadAmounts unread_;
};

} // namespace reports
