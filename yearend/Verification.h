#pragma once

#include "ledger/AmountTotal.h"
#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "ledger/Validations.h"

#include <QString>
#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

// The check of a ledger file before the year is closed: what in it the
// application would misread, drop or reject, and whether each month balances.
namespace yearend {

struct Finding {
    int month = 0;            // yyyymm of the month the line is listed under; 0 for none
    int entry = 0;            // row of the month grid, from 1; 0 for none
    std::size_t fileLine = 0; // line of the file, from 1; 0 for the file as a whole
    QString text;
};

struct MonthBalance {
    int month = 0; // yyyymm
    AmountTotal debit;
    AmountTotal credit;
    // A month whose totals cannot be computed is not known to balance.
    bool balanced() const { return debit.computed() && credit.computed() && debit.value() == credit.value(); }
};

struct Verification {
    std::vector<Finding> findings;    // in the order of the file, unless a sink took them
    int findingCount = 0;             // every finding, those past a sink's limit included
    std::vector<MonthBalance> months; // in calendar order
    AmountTotal debit;
    AmountTotal credit;
    Validations validations; // those the header records, for their fingerprints to be checked
    FiscalYear year;         // the header's dates, identity and validations

    int unbalancedMonths() const;
    // Findings and unbalanced months.
    int anomalies() const { return findingCount + unbalancedMonths(); }
};

// Where the findings go, in the order of the file (the file's own findings
// first), each as soon as no later line can bring one before it: a report
// written as the check goes, with the first `limit` findings only; the others
// are counted. The check then keeps at most `limit` findings in memory.
struct FindingSink {
    std::function<void(const Finding &)> take;
    std::size_t limit = std::size_t(-1);
};

// Checks the lines of a ledger file as they stand on disk, before the loading
// drops anything, against the chart of accounts and the journals. The
// findings go to the sink, or into `findings` without one.
Verification verifyLedger(const LineList &lines, const ReferenceData &ref, const FindingSink &sink = {});
// The same on the file's text, cut into lines as the loading cuts it, one
// line at a time: the check takes little more memory than the text.
Verification verifyLedgerText(std::string_view text, const ReferenceData &ref, const FindingSink &sink = {});

// "Mars 2002" for 200203.
QString captionOfMonth(int month);

} // namespace yearend
