#pragma once

#include "exchange/SearchText.h"
#include "ledger/LineList.h"
#include "ledger/MonthKey.h"

#include <optional>
#include <string_view>

namespace exchange {

// The search state of the document: the text searched for and the line
// after which the next scan goes on. The lines are met in the order a user
// reads the book, whatever order the file stores them in: the lines without
// a month key (the header) first, then the months in calendar order (their
// keys in increasing order), each month's lines in the order its grid shows
// them. A place is kept as the month and the rank of the line among the
// month's lines, so that the month write-back, which moves the month on
// screen to the end of the list, leaves it where it was. Repeated scans visit
// every matching line once and then find nothing.
class EntrySearch {
public:
    // A new search from the first line; an empty text searches nothing.
    void start(const QString &text);
    bool empty() const { return text_.empty(); }

    // The index of the next line holding the text, the whole line taking part
    // (month key, column digit and header lines included); the next scan then
    // goes on after it. `shownMonth` is the key of the month on screen: when
    // the user has moved since the previous scan to another month than the
    // previous match's, the scan goes on from that month's first line. Nothing when no line from
    // there on holds the text.
    std::optional<std::size_t> next(const LineList &lines, std::string_view shownMonth = {});

private:
    // The next match in the previous match's month, looked for from that
    // line on when it still stands where it was found: most scans end there.
    std::optional<std::size_t> nextInMonth(const LineList &lines);
    // The next match after the place kept, in one pass over every line.
    std::optional<std::size_t> scan(const LineList &lines);
    std::optional<std::size_t> found(const LineList &lines, std::size_t index, std::string_view month, std::size_t rank);

    SearchText text_;
    std::string month_;    // the key of the previous match's month; empty before a month's line
    std::size_t rank_ = 0; // the lines of that month up to the previous match, that one included
    std::size_t index_ = 0; // where the previous match stood in the list
    std::string line_;      // and what it held
    std::string shown_;     // the month on screen at the previous scan
};

// The month a found line is listed under: its month key, when it names one.
// A header line (or any line without a month key) gives nothing.
std::optional<forms::YearMonth> foundMonth(std::string_view line);

// The row of the month grid that shows the found line: as the month reader
// fills the grid, each date line of the line's month before it, or the line
// itself, opens a row (lines before the month's first date fill row 0).
int foundRow(const LineList &lines, std::size_t found);

} // namespace exchange
