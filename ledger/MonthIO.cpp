#include "ledger/MonthIO.h"

#include "ledger/Codec1252.h"
#include "ledger/MonthLines.h"
#include "ledger/TextForms.h"

namespace monthio {

void read(const LineList &lines, std::string_view key, TextGrid &grid)
{
    using monthlines::Column;
    grid.clearRows(0);
    int row = -1;
    auto fillRow = [&](const monthlines::Entry &entry) {
        grid.growFor(++row);
        for (int c = 0; c < monthlines::kColumnCount; ++c) {
            const auto column = static_cast<Column>(c);
            if (!entry.has(column))
                continue;
            QString &cell = grid.at(row, c);
            cp1252::decodeInto(cell, entry[column]);
            if (column == Column::Debit || column == Column::Credit)
                cell = forms::Rset(cell);
        }
    };
    monthlines::forEachEntryOfMonth(lines, key, monthlines::Orphans::FirstRow, monthlines::Cells::Cut, fillRow);
    grid.touch();
}

void write(LineList &lines, std::string_view key, const TextGrid &grid, int rows)
{
    lines.removeIfTagged(LineList::tagOf(key), [key](std::string_view line) {
        return monthlines::readLine(line, monthlines::Cells::Whole) && monthlines::hasKey(line, key);
    });
    std::string buffer;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < monthlines::kColumnCount; ++c) {
            const auto column = static_cast<monthlines::Column>(c);
            if (monthlines::storedWhenEmpty(column) || !grid.at(r, c).isEmpty())
                monthlines::appendLine(lines, buffer, key, column, grid.at(r, c));
        }
}

int countRows(const TextGrid &grid)
{
    for (int r = grid.rowCount() - 1; r >= 0; --r)
        for (int c = 0; c < grid.colCount(); ++c)
            if (!grid.at(r, c).isEmpty())
                return r + 1;
    return 0;
}

} // namespace monthio
