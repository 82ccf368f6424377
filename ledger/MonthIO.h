#pragma once

#include "ledger/LineList.h"
#include "ledger/TextGrid.h"

#include <string_view>

// Moving one month between the line list and the month grid.
namespace monthio {

// Fills the grid with the month's entries, one row each in the order of their
// date lines, the lines before the first date line making the first row
// (monthlines::Orphans::FirstRow). Cells keep at most 254 characters; amounts
// are right-aligned. The grid is emptied first and grows by 10 rows as needed.
void read(const LineList &lines, std::string_view key, TextGrid &grid);

// Replaces the month's lines (its key and a digit) by the lines of each row
// 0..rows-1 of the grid (the eight columns, and the lettering when there is
// one: monthlines::storedWhenEmpty), whose columns are monthlines::Column's, appended at the end of the list, in one pass over
// the list. A line that is only the key, or the key and no digit, is no
// line of the month: a header line "302001" stays where it is.
void write(LineList &lines, std::string_view key, const TextGrid &grid, int rows);

// Rows from 0 up to the last row that holds anything. A month read from a
// file may hold an entry without a date (an import of a line whose first
// field is empty); stopping at it would leave it and every entry after it out
// of the next write-back, and let a posting overwrite it.
int countRows(const TextGrid &grid);

} // namespace monthio
