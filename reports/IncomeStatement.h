#pragma once

#include "ledger/LineList.h"
#include "reports/ViewPages.h"

// The income statement over the page's two dates, both included: the charges
// of the account classes 60 to 69 and the products of 70 to 79, one heading
// each, their totals and the profit or loss.
namespace reports {

// Writes the captions, adds every debit and every credit of a selected entry
// to the heading of its account's first two characters (debits and credits
// alike, never netted), and ends with Total6. An amount that is not a number
// counts as nothing and the walk goes on. Gives back the message for the user
// when a sum goes past what the amount reader accepts; the totals are then
// left empty.
QString LitResultat(PeriodPage &page, const LineList &lines);
// Right-aligns the heading amounts and fills the operating totals (row 12),
// the totals (row 13), the profit or loss (row 14) and the grand totals
// (row 16), which are equal on both sides; the message as above.
QString Total6(PeriodPage &page);

} // namespace reports
