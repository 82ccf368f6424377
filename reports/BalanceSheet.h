#pragma once

#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "reports/ViewPages.h"

// The balance sheet is a position at a date: every entry from the fiscal
// year's first day (the opening entries, dated that day, included) to the
// page's date `to`, both included. The assets
// (captions in column 0; gross, write-downs and net in columns 1 to 3) and the
// liabilities (caption in column 4, amount in column 5) of the accounts of
// classes 1 to 7, each account in the one row its code names, with the totals
// of each part and the two grand totals.
namespace reports {

// Why the position at `at` cannot be drawn up: a date outside the fiscal
// year. Empty when it can.
QString balanceSheetDateRefusal(QDate at, const FiscalYear &year);

// Sets `page.from` to the year's first day, then, the date refused or not,
// writes the captions and, for a date of the year, the figures: each
// account's balance from that day to `page.to`, debits minus credits exactly in cents per code as keyed less its
// blanks, lands in the row of the longest prefix of the table that begins
// its code; an asset row adds debit − credit to its gross amount, or, for
// the accounts that write assets down (28, 29, 39, 49, 59), credit − debit to
// its write-downs; a liability row adds credit − debit. The net figure is
// gross less write-downs, and the totals add each column. Classes 6 and 7
// make the year's result. When the grand totals differ, row 21 shows "Écart"
// and net assets − liabilities in the net column; `unassigned` then says which
// accounts feed no row (codes not beginning with a digit 1 to 7). Gives back what the
// user must be told: amounts that are no number (counted as zero), or a
// total past what the amount reader accepts (the figures are then left out),
// or the refusal of the date.
QString LitBilan(BalanceSheetPage &page, const LineList &lines, const FiscalYear &year);

} // namespace reports
