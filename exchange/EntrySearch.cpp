#include "exchange/EntrySearch.h"

#include "ledger/MonthLines.h"

#include <algorithm>
#include <unordered_map>

namespace exchange {

namespace {

// The month a line is read under in the search's order: its key when it
// names a month, empty (before every month) otherwise.
std::string_view searchMonthOf(std::string_view line)
{
    return foundMonth(line) ? line.substr(0, monthlines::kKeyLength) : std::string_view();
}

} // namespace

void EntrySearch::start(const QString &text)
{
    text_ = SearchText(text);
    month_.clear();
    rank_ = 0;
    line_.clear();
    shown_.clear();
}

std::optional<std::size_t> EntrySearch::next(const LineList &lines, std::string_view shownMonth)
{
    if (text_.empty())
        return std::nullopt;
    // The user moved to another month since the previous scan, and not to
    // the month found: the scan goes on from there.
    if (!month_.empty() && !shownMonth.empty() && shownMonth != month_ && shownMonth != shown_) {
        month_ = shownMonth;
        rank_ = 0;
        line_.clear();
    }
    shown_ = shownMonth;
    if (const std::optional<std::size_t> match = nextInMonth(lines))
        return match;
    return scan(lines);
}

std::optional<std::size_t> EntrySearch::found(const LineList &lines, std::size_t index, std::string_view month,
                                              std::size_t rank)
{
    month_ = month;
    rank_ = rank;
    index_ = index;
    line_ = lines[index];
    return index;
}

std::optional<std::size_t> EntrySearch::nextInMonth(const LineList &lines)
{
    if (month_.empty() || index_ >= lines.size() || lines[index_] != line_)
        return std::nullopt;
    const std::uint32_t tag = LineList::tagOf(month_);
    std::size_t rank = rank_;
    for (std::size_t i = index_ + 1; i < lines.size(); ++i) {
        if (lines.tag(i) != tag || !monthlines::hasKey(lines[i], month_))
            continue;
        ++rank;
        if (text_.foundIn(lines[i]))
            return found(lines, i, std::string(month_), rank);
    }
    return std::nullopt;
}

std::optional<std::size_t> EntrySearch::scan(const LineList &lines)
{
    // Each line's rank in its month, and the first match after the place
    // kept, months compared by key.
    std::unordered_map<std::string_view, std::size_t> ranks;
    std::string_view previous;
    std::string_view month;
    std::size_t *rank = nullptr;
    std::optional<std::size_t> best;
    std::string_view bestMonth;
    std::size_t bestRank = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        // A month's lines mostly stand together: read a key once per run.
        if (!rank || line.substr(0, monthlines::kKeyLength) != previous) {
            previous = line.substr(0, monthlines::kKeyLength);
            month = searchMonthOf(line);
            rank = &ranks[month];
        }
        ++*rank;
        if (month < month_ || (month == month_ && *rank <= rank_))
            continue;
        if (best && (month > bestMonth || (month == bestMonth && *rank > bestRank)))
            continue;
        if (text_.foundIn(line)) {
            best = i;
            bestMonth = month;
            bestRank = *rank;
        }
    }
    if (!best)
        return std::nullopt;
    return found(lines, *best, std::string(bestMonth), bestRank);
}

std::optional<forms::YearMonth> foundMonth(std::string_view line)
{
    return forms::parseMonthKey(line.substr(0, monthlines::kKeyLength));
}

int foundRow(const LineList &lines, std::size_t found)
{
    const std::string_view key = lines[found].substr(0, monthlines::kKeyLength);
    int row = -1;
    for (std::size_t i = 0; i <= found; ++i) {
        const std::string_view line = lines[i];
        if (line.size() > key.size() && line[key.size()] == monthlines::digitOf(monthlines::Column::Date)
            && monthlines::hasKey(line, key))
            ++row;
    }
    return std::max(row, 0);
}

} // namespace exchange
