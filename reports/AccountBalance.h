#pragma once

#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "reports/ViewPages.h"

// The balance of accounts over the page's two dates, both included, all
// months and journals together.
namespace reports {

// One row per account in the order the entries first name it, with its label
// from the chart and its running debit and credit sums; ends with Total5.
// Gives back the message for the user when a sum or a total goes past what
// the amount reader accepts; the totals are then left empty.
QString LitBalance(BalancePage &page, const LineList &lines, const ReferenceData &ref);
// The debit or credit balance of every account row ("0.00"; a nil balance is
// a credit balance of 0,00) and the four totals; the message as above.
QString Total5(BalancePage &page);

} // namespace reports
