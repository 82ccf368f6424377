#pragma once

#include "ledger/LineList.h"
#include "reports/ViewPages.h"

// The balance sheet over the page's two dates, both included: the assets
// (captions in column 0; gross, write-downs and net in columns 1 to 3) and the
// liabilities (caption in column 4, amount in column 5) of the accounts of
// classes 1 to 7, each account in the one row its code names, with the totals
// of each part and the two grand totals.
namespace reports {

// Writes the captions and the figures: each account's balance over the
// dates, debits minus credits exactly in cents per code as keyed less its
// blanks, lands in the row of the longest prefix of the table that begins
// its code; an asset row adds debit − credit to its gross amount, or, for
// the accounts that write assets down (28, 29, 39, 49, 59), credit − debit to
// its write-downs; a liability row adds credit − debit. The net figure is
// gross less write-downs, and the totals add each column. Classes 6 and 7
// make the year's result. When the grand totals differ, row 21 shows "Écart"
// and net assets − liabilities in the net column; `unassigned` then says which
// accounts feed no row (codes not beginning with a digit 1 to 7). Gives back what the
// user must be told: amounts that are no number (counted as zero), or a
// total past what the amount reader accepts (the figures are then left out).
QString LitBilan(BalanceSheetPage &page, const LineList &lines);

} // namespace reports
