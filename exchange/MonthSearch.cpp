#include "exchange/MonthSearch.h"

#include "ledger/MonthIO.h"
#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"
#include "ledger/TextGrid.h"

#include <set>

namespace exchange {

std::vector<std::string> monthKeys(const LineList &lines)
{
    std::set<std::string, std::less<>> keys;
    std::string_view previous;
    for (std::string_view line : lines) {
        if (line.size() < 6)
            continue;
        const std::string_view key = line.substr(0, 6);
        // A month's lines mostly stand together: look the key up once per run.
        if (key == previous)
            continue;
        previous = key;
        if (forms::parseMonthKey(key) && !keys.contains(key))
            keys.emplace(key);
    }
    return {keys.begin(), keys.end()};
}

std::vector<FoundRow> rowsHolding(const LineList &lines, const SearchText &text)
{
    std::vector<FoundRow> found;
    TextGrid grid(32, monthlines::kColumnCount);
    for (const std::string &key : monthKeys(lines)) {
        monthio::read(lines, key, grid);
        const int rows = monthio::countRows(grid);
        for (int r = 0; r < rows; ++r) {
            bool holds = false;
            for (int c = 0; c < monthlines::kEntryColumnCount && !holds; ++c)
                holds = text.foundIn(grid.at(r, c));
            if (!holds)
                continue;
            FoundRow row{key, r, {}};
            for (int c = 0; c < monthlines::kEntryColumnCount; ++c)
                row.cells.append(grid.at(r, c));
            found.push_back(std::move(row));
        }
    }
    return found;
}

} // namespace exchange
