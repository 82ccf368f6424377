#pragma once

#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "ledger/AmountTotal.h"

#include <QString>
#include <string>
#include <vector>

// The check of a ledger file before the year is closed: what in it the
// application would misread, drop or reject, and whether each month balances.
namespace cli {

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
    std::vector<Finding> findings;    // in the order of the file
    std::vector<MonthBalance> months; // in calendar order
    AmountTotal debit;
    AmountTotal credit;

    int unbalancedMonths() const;
    // Findings and unbalanced months.
    int anomalies() const { return int(findings.size()) + unbalancedMonths(); }
};

// Checks the lines of a ledger file as they stand on disk, before the loading
// drops anything, against the chart of accounts and the journals.
Verification verifyLedger(const LineList &lines, const ReferenceData &ref);

// "Mars 2002" for 200203.
QString monthName(int month);

// The report in French: one finding per line with its month, entry and line
// of the file, then the totals of every month and of the year.
std::string formatVerification(const Verification &verification);

} // namespace cli
