#include "exchange/ExchangeText.h"

#include "ledger/Codec1252.h"
#include "ledger/MonthIO.h"
#include "ledger/MonthLines.h"

namespace exchange {
namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string_view trimmed(std::string_view field)
{
    while (!field.empty() && isBlank(field.front()))
        field.remove_prefix(1);
    while (!field.empty() && isBlank(field.back()))
        field.remove_suffix(1);
    return field;
}

void appendRecord(std::string &out, std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            out += '\t';
        out.append(field);
        first = false;
    }
    out.append("\r\n", 2);
}

std::string exportMonth(const TextGrid &grid)
{
    std::string out;
    // Every column before the check-off mark.
    constexpr int kExported = monthlines::gridColumn(monthlines::Column::CheckOff);
    std::string cells[kExported];
    const int rows = monthio::countRows(grid);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kExported; ++c)
            cells[c] = cp1252::encode(grid.at(r, c));
        if (trimmed(cells[monthlines::gridColumn(monthlines::Column::Date)]).empty())
            continue;
        appendRecord(out, {trimmed(cells[0]), trimmed(cells[1]), trimmed(cells[2]), trimmed(cells[3]),
                           trimmed(cells[4]), trimmed(cells[5]), trimmed(cells[6])});
    }
    return out;
}

std::string exportJournal(const LineList &lines)
{
    std::string out;
    std::size_t i = lines.indexOf("</HEAD>");
    if (i == LineList::npos)
        return out;
    // The record being built is the tail of `out` from `record` on; it is
    // ended by the next date line or the end of the lines, and only when it
    // holds something.
    std::size_t record = 0;
    for (++i; i < lines.size(); ++i) {
        // The cells as the month grid shows them; the month key is not read,
        // and the digits 8 and 9 of an import's long lines are fields too.
        const std::optional<monthlines::MonthLine> line = monthlines::readLine(lines[i], monthlines::Cells::Cut);
        if (!line)
            continue;
        const std::string_view field = trimmed(line->cell);
        if (line->digit == 0) {
            if (out.size() > record)
                out.append("\r\n", 2);
            record = out.size();
        } else {
            out += '\t';
        }
        out.append(field);
    }
    if (out.size() > record)
        out.append("\r\n", 2);
    return out;
}

} // namespace exchange
