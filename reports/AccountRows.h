#pragma once

#include "ledger/CodeList.h"
#include "ledger/TextGrid.h"
#include "reports/RunningSum.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace reports {

// The rows of a statement with one row per account, in the order in which the
// entries first name each account. An account is its text exactly as keyed:
// "411" and "411000" are two accounts, and entries without an account share a
// row of their own rather than spilling into the next account's row.
class AccountRows {
public:
    struct Row {
        std::string_view account;
        RunningSum debit;
        RunningSum credit;
        std::string_view date;    // of the account's last entry
        std::string_view journal; // of the account's last entry
    };

    // Grid columns of each part of a row; -1 for a part the statement leaves out.
    struct Columns {
        int date;
        int account;
        int label;
        int journal;
        int debit;
        int credit;
    };

    Row &rowFor(std::string_view account);
    // Puts the rows in the order of their account codes as text (the bytes
    // of the file, as the chart of accounts is sorted).
    void sortByAccount();
    const std::vector<Row> &rows() const { return rows_; }
    // Whether every running sum could be computed.
    bool allComputed() const;

    // Empties the data rows of the grid (from row 1) and writes one row per
    // account, the label taken from the chart of accounts.
    void writeTo(TextGrid &grid, const CodeList &chart, const Columns &columns) const;

private:
    std::vector<Row> rows_;
    std::unordered_map<std::string_view, std::size_t> index_;
};

} // namespace reports
