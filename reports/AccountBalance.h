#pragma once

#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "reports/ViewPages.h"

// The balance of accounts over the page's two dates, both included, all
// months and journals together.
namespace reports {

// One row per account, with its label from the chart and its running debit
// and credit sums, in the page's order: as the entries first name the
// accounts, or by code, then with a row "Total classe X" ("Total sans
// compte" for the empty code) after the accounts of each first character.
// Ends with Total5. Gives back the message for the user when a sum or a
// total goes past what the amount reader accepts (the totals are then left
// empty), or else when amounts that are no number were counted as zero.
QString LitBalance(BalancePage &page, const LineList &lines, const ReferenceData &ref);
// The debit or credit balance of every account row ("0.00"; a nil balance is
// a credit balance of 0,00) and the four totals, which leave the class
// subtotals out; the message when a total cannot be computed.
QString Total5(BalancePage &page);

} // namespace reports
