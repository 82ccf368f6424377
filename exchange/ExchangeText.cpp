#include "exchange/ExchangeText.h"

#include "ledger/Codec1252.h"
#include "ledger/MonthIO.h"

namespace exchange {
namespace {

constexpr std::size_t kKeyLength = 6;
// What a line of the list holds after its month key: the column digit and
// at most 254 characters of cell, as the month reader takes it.
constexpr std::size_t kCellSpan = 255;

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
    std::string cells[7];
    const int rows = monthio::countRows(grid);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 7; ++c)
            cells[c] = cp1252::encode(grid.at(r, c));
        if (trimmed(cells[0]).empty())
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
        const std::string_view line = lines[i];
        if (line.size() <= kKeyLength)
            continue;
        const std::string_view text = line.substr(kKeyLength, kCellSpan);
        const char digit = text[0];
        if (digit < '0' || digit > '9')
            continue;
        const std::string_view field = trimmed(text.substr(1));
        if (digit == '0') {
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
