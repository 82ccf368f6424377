#include "exchange/EntrySearch.h"

#include "ledger/MonthLines.h"

#include <algorithm>

namespace exchange {

void EntrySearch::start(const QString &text)
{
    text_ = SearchText(text);
    position_ = 0;
}

std::optional<std::size_t> EntrySearch::next(const LineList &lines)
{
    if (text_.empty())
        return std::nullopt;
    for (std::size_t i = position_; i < lines.size(); ++i) {
        if (text_.foundIn(lines[i])) {
            position_ = i + 1;
            return i;
        }
    }
    return std::nullopt;
}

void EntrySearch::monthMoving(const LineList &lines, std::string_view key)
{
    const std::uint32_t tag = LineList::tagOf(key);
    std::size_t before = 0;
    for (std::size_t i = 0; i < position_ && i < lines.size(); ++i)
        if (lines.tag(i) == tag && monthlines::hasKey(lines[i], key))
            ++before;
    position_ -= before;
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
