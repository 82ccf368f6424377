#pragma once

#include "ledger/LineList.h"
#include "ledger/TextGrid.h"

#include <cstdint>
#include <cstring>
#include <string_view>

// Moving one month between the line list and the month grid.
namespace monthio {

// Whether a line of the list carries the month key (its first six bytes).
inline bool hasKey(std::string_view line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    if (key.size() == 6) {
        // Every pass over the list tests every line: compare the six bytes as
        // two integers rather than through a library call.
        std::uint32_t a, b;
        std::uint16_t c, d;
        std::memcpy(&a, line.data(), 4);
        std::memcpy(&b, key.data(), 4);
        std::memcpy(&c, line.data() + 4, 2);
        std::memcpy(&d, key.data() + 4, 2);
        return a == b && c == d;
    }
    return line.compare(0, key.size(), key) == 0;
}

// Fills the grid with the month's lines, in file order: a column-0 line opens
// a new row, other lines fill their column of the current row (the first row
// before any column-0 line). Cells keep at most 254 characters; amounts are
// right-aligned; digits 8 and 9 and lines without a column digit are skipped.
// The grid is emptied first and grows by 10 rows as needed.
void read(const LineList &lines, std::string_view key, TextGrid &grid);

// Replaces the month's lines by eight lines per row 0..rows-1 of the grid,
// appended at the end of the list, in one pass over the list.
void write(LineList &lines, std::string_view key, const TextGrid &grid, int rows);

// Rows from 0 before the first row whose date cell is empty.
int countRows(const TextGrid &grid);

} // namespace monthio
