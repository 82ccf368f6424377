#pragma once

#include "ledger/LineList.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"

#include <QDate>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

// The entries of a dossier as the month grids show them, for the rules that
// judge the books as a whole: validation, fingerprints, the FEC. Each month
// is read the way the entry page reads it (a date line opens a row, the other
// lines of the month fill the row open, lines met before the month's first
// date line fill the first row, a cell keeps at most 254 characters), so that
// what they judge is what the user sees and what the month's next write-back
// stores.
namespace yearend {

struct BookEntry {
    int month = 0; // yyyymm of the month key
    int row = 0;   // row of the month grid, from 0
    std::array<std::string_view, monthlines::kColumnCount> cells{}; // by monthlines::Column, as stored (views of the lines)
    QDate date; // invalid when the date cell is not a date "dd/mm/yyyy"
    Cents debitValue = 0; // the amounts read: 0 when empty or not a number
    Cents creditValue = 0;

    std::string_view operator[](monthlines::Column column) const { return cells[monthlines::gridColumn(column)]; }
    std::string_view account() const { return (*this)[monthlines::Column::Account]; }
    std::string_view label() const { return (*this)[monthlines::Column::Label]; }
    std::string_view journal() const { return (*this)[monthlines::Column::Journal]; }
    std::string_view voucher() const { return (*this)[monthlines::Column::Voucher]; }
    std::string_view debit() const { return (*this)[monthlines::Column::Debit]; }
    std::string_view credit() const { return (*this)[monthlines::Column::Credit]; }
    std::string_view lettering() const { return (*this)[monthlines::Column::Lettering]; }
    // A line of the books: a date, and an amount on at least one side.
    bool booked() const { return date.isValid() && (debitValue != 0 || creditValue != 0); }
};

// The columns these rules judge, those a validation fingerprints: the check-
// off mark and the lettering after them change no amount, date or account,
// and are still put on validated lines.
inline constexpr int kJudgedColumnCount = monthlines::gridColumn(monthlines::Column::CheckOff);

// Reads the lines of a ledger one by one, in the order of the file, and hands
// each entry over once it is complete: the months in the order their last
// line comes, and within a month in grid order. The entry's views point into
// the lines given, which must outlive it.
class BookEntryReader {
public:
    explicit BookEntryReader(std::function<void(const BookEntry &)> take);
    ~BookEntryReader();

    void add(std::string_view line);
    // Hands over the entries still open: no line comes after.
    void finish();

private:
    struct MonthReading;
    void hand(MonthReading &month, const monthlines::Entry &entry);

    std::function<void(const BookEntry &)> take_;
    std::vector<MonthReading> months_;
    std::size_t last_ = 0; // the month of the previous line: months come in runs
    std::size_t index_ = 0;
};

// Every entry of every month whose key is a month (yyyymm, 01 to 12), in
// month order and, within a month, in grid order. The views point into
// `lines`, which must outlive the result and stay unchanged.
std::vector<BookEntry> bookEntries(const LineList &lines);

} // namespace yearend
