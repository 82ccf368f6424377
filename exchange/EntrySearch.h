#pragma once

#include "exchange/SearchText.h"
#include "ledger/LineList.h"
#include "ledger/MonthKey.h"

#include <optional>
#include <string_view>

namespace exchange {

// The search state of the document: the text searched for and the line of
// the line list where the next scan starts. Each scan goes on from the line
// after the previous match, so that repeated scans visit every matching line
// once and then find nothing.
class EntrySearch {
public:
    // A new search from the first line; an empty text searches nothing.
    void start(const QString &text);
    bool empty() const { return text_.empty(); }
    std::size_t position() const { return position_; }

    // The index of the next line holding the text, the whole line taking part
    // (month key, column digit and header lines included); the next scan then
    // starts after it. Nothing when no line from the position on holds it.
    std::optional<std::size_t> next(const LineList &lines);

    // To be called just before the month's lines are taken out of the list
    // and appended again at its end (the month write-back): the position
    // stays on the line it was on.
    void monthMoving(const LineList &lines, std::string_view key);

private:
    SearchText text_;
    std::size_t position_ = 0;
};

// The month a found line is listed under: its month key, when it names one.
// A header line (or any line without a month key) gives nothing.
std::optional<forms::YearMonth> foundMonth(std::string_view line);

// The row of the month grid that shows the found line: as the month reader
// fills the grid, each date line of the line's month before it, or the line
// itself, opens a row (lines before the month's first date fill row 0).
int foundRow(const LineList &lines, std::size_t found);

} // namespace exchange
