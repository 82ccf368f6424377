#pragma once

#include "cli/CommandTable.h"

// The grids of the document as text lines, each filled by the very operation
// the document window runs for the same command.
namespace cli {

// The month grid of (year, month) as the entry page reads it: rows 0 to
// NbLignes - 1, eight cells each.
int listMonth(Call &call);

// The journal, general ledger or general journal of (year, month), opened as
// from the menu ("Tous") and then filtered when a filter is given: its data
// rows from row 1, every column, then "Totaux" and the two total fields.
int listMonthView(Call &call);

// The balance of accounts over the fiscal year or the dates given, in the
// order of --tri and --classes: its account rows (and class subtotals), then "Totaux" and the
// fields totalDebit, totalCredit, totalDebitBalances, totalCreditBalances.
int listBalance(Call &call);

// The income statement over the fiscal year or the dates given: rows 1 to
// 16, four cells each.
int listIncomeStatement(Call &call);

// The balance sheet over the fiscal year or the dates given: rows 1 to 19,
// four cells each, then "Écart" and the difference when the grand totals
// differ. The line naming the accounts that feed no row goes to the
// document's messages.
int listBalanceSheet(Call &call);

} // namespace cli
