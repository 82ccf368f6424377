#pragma once

#include "ledger/LineList.h"
#include "reports/ViewPages.h"

// The income statement over the page's two dates, both included: the charges
// of the account classes 60 to 69 and the products of 70 to 79, one heading
// each, their totals and the profit or loss.
namespace reports {

// Writes the captions, puts in the heading of each account's first two
// characters the balance of its accounts over the dates (charges debit −
// credit, products credit − debit, so that a refund or a stock variation
// reduces its heading, which may then be negative), and ends with Total6. A
// heading none of whose amounts was read stays empty. Gives back the message
// for the user when a sum goes past what the amount reader accepts (the
// totals are then left empty), or else when amounts that are no number were
// counted as zero.
QString LitResultat(PeriodPage &page, const LineList &lines);
// Right-aligns the heading amounts and fills the operating totals (row 12),
// the totals (row 13), the profit or loss (row 14) and the grand totals
// (row 16), which are equal on both sides; the message as above.
QString Total6(PeriodPage &page);

} // namespace reports
