#pragma once

#include "cli/CommandLine.h"

#include <QDate>
#include <optional>
#include <string>

class BalanceOrder;
class Fiche;

// The grids of the document as text lines, each filled by the very operation
// the document window runs for the same command.
namespace cli {

// The month grid of (year, month) as the entry page reads it: rows 0 to
// NbLignes - 1, eight cells each.
void listMonth(Fiche &fiche, int year, int month, std::string &out);

// The journal, general ledger or general journal of (year, month), opened as
// from the menu ("Tous") and then filtered when a filter is given: its data
// rows from row 1, every column, then "Totaux" and the two total fields.
void listMonthView(Fiche &fiche, Command view, int year, int month, const std::optional<QString> &filter,
                   std::string &out);

// The balance of accounts over the fiscal year or the dates given, in the
// order given: its account rows (and class subtotals), then "Totaux" and the
// fields totalDebit, totalCredit, totalDebitBalances, totalCreditBalances.
void listBalance(Fiche &fiche, std::optional<QDate> from, std::optional<QDate> to, const BalanceOrder &order,
                 std::string &out);

// The income statement over the fiscal year or the dates given: rows 1 to
// 16, four cells each.
void listIncomeStatement(Fiche &fiche, std::optional<QDate> from, std::optional<QDate> to, std::string &out);

// The balance sheet over the fiscal year or the dates given: rows 1 to 19,
// four cells each, then "Écart" and the difference when the grand totals
// differ. The line naming the accounts that feed no row goes to the
// document's messages.
void listBalanceSheet(Fiche &fiche, std::optional<QDate> from, std::optional<QDate> to, std::string &out);

} // namespace cli
