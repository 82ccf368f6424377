#include "ledger/MonthLines.h"

#include "ledger/Codec1252.h"

namespace monthlines {

void appendLine(LineList &lines, std::string &buffer, std::string_view key, Column column, QStringView cell)
{
    buffer.assign(key);
    buffer.push_back(digitOf(column));
    cp1252::encodeAppend(buffer, cell.left(qsizetype(kCellLimit)));
    lines.append(buffer);
}

} // namespace monthlines
