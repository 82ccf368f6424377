#pragma once

#include "reports/ViewPages.h"

#include <QString>

// The debit and credit totals under a month view: every non-empty cell of the
// two amount columns, rows 1 to the last, trimmed and added; each sum "0.00"
// and right-aligned into the page's total fields. Each gives back the message
// for the user when a cell is not a number or a total goes past what the
// amount reader accepts; the totals are then left empty rather than showing a
// partial, stale or wrong sum.
namespace reports {

QString Total3(MonthViewPage &journal);        // the debit and credit columns
QString Total2(MonthViewPage &generalLedger);  // the debit and credit columns
QString Total4(MonthViewPage &generalJournal); // columns 4 and 5

} // namespace reports
