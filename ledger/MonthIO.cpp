#include "ledger/MonthIO.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"

namespace monthio {

void read(const LineList &lines, std::string_view key, TextGrid &grid)
{
    grid.clearRows(0);
    int r = -1;
    const std::uint32_t tag = LineList::tagOf(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines.tag(i) != tag)
            continue;
        const std::string_view line = lines[i];
        if (!hasKey(line, key))
            continue;
        std::string_view rest = line.substr(key.size(), 255);
        if (rest.empty() || rest[0] < '0' || rest[0] > '9')
            continue;
        const int c = rest[0] - '0';
        if (c == 0)
            ++r;
        grid.growFor(r);
        const int row = r < 0 ? 0 : r;
        if (c >= 8)
            continue;
        QString &cell = grid.at(row, c);
        cp1252::decodeInto(cell, rest.substr(1, 254));
        if (c == 5 || c == 6)
            cell = forms::rset(cell);
    }
    grid.touch();
}

void write(LineList &lines, std::string_view key, const TextGrid &grid, int rows)
{
    lines.removeIfTagged(LineList::tagOf(key), [key](std::string_view line) { return hasKey(line, key); });
    std::string buffer;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 8; ++c) {
            buffer.assign(key);
            buffer.push_back(char('0' + c));
            cp1252::encodeAppend(buffer, grid.at(r, c));
            lines.append(buffer);
        }
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
