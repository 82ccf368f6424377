#pragma once

#include "ledger/LineList.h"
#include "reports/ViewPages.h"

// The balance sheet over the page's two dates, both included: the assets
// (column 1) and the liabilities (column 3) of the accounts of classes 1 to 7,
// each account in the one row its code names, with the totals of each part
// and the two grand totals.
namespace reports {

// Writes the captions and the figures: each account's balance over the
// dates, debits minus credits exactly in cents per code as keyed less its
// blanks, lands in the row of the longest prefix of the table that begins
// its code; an asset row adds debit − credit, a liability row credit − debit.
// Classes 6 and 7 make the year's result. When the grand totals differ, row
// 21 shows "Écart" and assets − liabilities; `unassigned` then says which accounts
// feed no row (codes not beginning with a digit 1 to 7). Gives back what the
// user must be told: amounts that are no number (counted as zero), or a
// total past what the amount reader accepts (the figures are then left out).
QString LitBilan(BalanceSheetPage &page, const LineList &lines);

} // namespace reports
