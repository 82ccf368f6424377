#pragma once

#include "ledger/TextGrid.h"

#include <QString>

// Debit and credit totals of the month grid, over every row of the grid (not
// only the entries counted), formatted "0.00" and right-aligned.
struct MonthTotals {
    QString debit;
    QString credit;
};

MonthTotals monthTotals(const TextGrid &grid);
