#pragma once

#include "ledger/TextGrid.h"

#include <QString>

// Debit and credit totals of the month grid, over every row of the grid (not
// only the entries counted), formatted "0.00" and right-aligned. A cell that
// is not a number, or a total past what the reader accepts, leaves both totals
// empty and says so in `error`, as the views of the month do.
struct MonthTotals {
    QString debit;
    QString credit;
    QString error;
    // The debits equal the credits; totals that cannot be made are not shown
    // as unbalanced.
    bool balanced = true;
};

MonthTotals monthTotals(const TextGrid &grid);
