#pragma once

#include "ledger/LineList.h"
#include "reports/ViewPages.h"

#include <optional>
#include <string_view>

// The income statement over the page's two dates, both included: the charges
// of the account classes 60 to 69 and the products of 70 to 79, one heading
// each, their totals and the profit or loss; below the table, the results by
// nature (operating, financial, exceptional...) that lead to the profit.
namespace reports {

// What an account's balance counts towards in the results by nature.
enum class Nature { Operating, Financial, Exceptional, Participation, Tax };

// Where an account of classes 6 and 7 goes: the table's row (1 to 11), its
// side (charge or product) and its nature.
struct IncomeHeading {
    int row;
    bool charge;
    Nature nature;
};

// The heading of an account, by the longest prefix of the statement's table
// that begins its code; nothing for a code outside 60 to 79.
std::optional<IncomeHeading> incomeHeadingOf(std::string_view account);

// The rows below the table that show the results by nature, caption in
// column 0 and signed amount (a loss negative) in column 1.
constexpr int kFirstNatureRow = 18;
constexpr int kLastNatureRow = 24;

// Writes the captions, puts in each heading the balance of its accounts over
// the dates (charges debit − credit, products credit − debit, so that a refund
// or a stock variation reduces its heading, which may then be negative), then
// the operating totals (row 12: the operating accounts of both sides), the
// totals (row 13), the profit or loss (row 14), the grand totals (row 16),
// equal on both sides, and the results by nature. A heading none of whose
// amounts was read stays empty. Gives back the message for the user when a sum
// goes past what the amount reader accepts (the totals and results are then
// left empty), or else when amounts that are no number were counted as zero.
QString LitResultat(PeriodPage &page, const LineList &lines);

} // namespace reports
