#pragma once

#include "bank/BookEntries.h"
#include "bank/CheckOffRecord.h"
#include "bank/Statement.h"
#include "ledger/AmountTotal.h"

#include <optional>
#include <vector>

// Matching a statement's lines with the entries of the bank account.
namespace bank {

enum class LineStatus { CheckedOff, AlreadyCheckedOff, ToEnter };

// "pointée", "déjà pointée", "à saisir".
QString statusText(LineStatus status);
// "non relevée".
QString notOnStatementText();

struct LineMatch {
    LineStatus status = LineStatus::ToEnter;
    std::optional<std::size_t> entry; // index in the entries matched
};

// An entry may stand for a statement line dated from 30 days before to 5
// days after it: a cheque is written before the bank cashes it, a card
// payment is booked on the day of the receipt.
constexpr int kDaysBefore = 30;
constexpr int kDaysAfter = 5;

struct Matching {
    std::vector<LineMatch> lines;        // one per statement line, in the statement's order
    std::vector<std::size_t> notOnStatement; // entries dated inside the period, neither checked off nor matched
    std::vector<std::size_t> olderOpen;  // the same, dated before the period
    QDate periodStart;
    QDate periodEnd;
    AmountTotal bookBalance;             // the account's entries dated up to the period's end
    // The statement's opening balance less the books' balance at the period's
    // start (the entries before it and the opening entries, but those a line
    // takes), when the statement gives one and they differ.
    std::optional<Cents> openingGap;
};

// "Écart d'ouverture".
QString openingGapText();

// The key of a statement line in the record of check-offs.
LineKey lineKey(const Statement &statement, const StatementLine &line);

// Whether the record says that this statement line checked off this entry.
bool checkedOffBy(const std::vector<CheckOff> &checkOffs, const BookEntry &entry, const LineKey &line);

// The account's part of the record.
std::vector<CheckOff> checkOffsOf(const std::vector<CheckOff> &checkOffs, const QString &account);

// What "Pointer" adds to the record: for each line "pointée", its entry.
std::vector<CheckOff> newCheckOffs(const Statement &statement, const std::vector<BookEntry> &entries,
                                   const Matching &matching, const QString &account);

// Each line, in date order, takes an entry of the same amount dated within
// its window that no earlier line took: one not checked off before one that
// is, then the closest date, then the first in the file. An entry already
// checked off is taken only by the statement line that checked it off, as
// `checkOffs` (those of the account) records: a recurring charge of the same
// amount is otherwise a new operation, "à saisir". The opening entries (the
// opening-entries journal) stand for the statement's opening balance: no
// line takes them and they are never listed as not on the statement.
Matching match(const Statement &statement, const std::vector<BookEntry> &entries,
               const std::vector<CheckOff> &checkOffs = {});

} // namespace bank
