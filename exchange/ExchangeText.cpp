#include "exchange/ExchangeText.h"

#include "ledger/Codec1252.h"
#include "ledger/MonthIO.h"
#include "ledger/MonthLines.h"

#include <algorithm>
#include <iterator>

namespace exchange {

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
    using monthlines::Column;
    using monthlines::gridColumn;
    std::string out;
    // Every column before the check-off mark.
    constexpr int kExported = gridColumn(Column::CheckOff);
    std::string cells[kExported];
    const int rows = monthio::countRows(grid);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < kExported; ++c)
            cells[c] = cp1252::encode(grid.at(r, c));
        if (monthlines::trimmedCell(cells[gridColumn(Column::Date)]).empty())
            continue;
        const auto field = [&](Column column) { return monthlines::trimmedCell(cells[gridColumn(column)]); };
        appendRecord(out, {field(Column::Date), field(Column::Account), field(Column::Label), field(Column::Journal),
                           field(Column::Voucher), field(Column::Debit), field(Column::Credit)});
    }
    return out;
}

std::string exportJournal(const LineList &lines)
{
    std::string out;
    std::size_t i = lines.indexOf("</HEAD>");
    if (i == LineList::npos)
        return out;
    // An entry's lines need not hold every column, nor in order (an invoice
    // writes only those it fills, an import as many as its line had): each
    // field goes to its column's place, so that the amount is read back as an
    // amount. A column given twice keeps its last line, as the month reader.
    // The lettering is the ninth field: the import reads no further than the
    // eighth, since a code belongs to its dossier's account and year.
    std::string_view fields[monthlines::kColumnCount];
    int highest = -1;
    const auto flush = [&] {
        if (highest > 0 || (highest == 0 && !fields[0].empty())) {
            for (int c = 0; c <= highest; ++c) {
                if (c > 0)
                    out += '\t';
                out.append(fields[c]);
            }
            out.append("\r\n", 2);
        }
        std::fill(std::begin(fields), std::end(fields), std::string_view());
        highest = -1;
    };
    for (++i; i < lines.size(); ++i) {
        // The cells as the month grid shows them; the month key is not read.
        const std::optional<monthlines::MonthLine> line = monthlines::readLine(lines[i], monthlines::Cells::Cut);
        if (!line || !line->isColumn())
            continue;
        const int column = line->digit;
        if (column == 0)
            flush();
        fields[column] = monthlines::trimmedCell(line->cell);
        highest = std::max(highest, column);
    }
    flush();
    return out;
}

} // namespace exchange
