#pragma once

#include "ledger/TextGrid.h"

#include <QString>
#include <QStringList>
#include <string>

// The text form of the listings: one grid row per line, the cells trimmed of
// their blanks and separated by one TAB, UTF-8, LF at the end of every line.
namespace cli {

// A cell as it is printed: trimmed like every reader of the ledger trims
// (blanks and control characters at both ends), and with any TAB inside it
// turned into a blank so that it stays one cell.
QString printedCell(const QString &cell);

void appendCells(std::string &out, const QStringList &cells);

// What the user typed, between French quotes, in a message.
QString quoted(const QString &text);

// Text as it is, in UTF-8: messages and help.
void appendText(std::string &out, const QString &text);
// Columns 0 to colCount - 1 of one row, or the first `columns` of them.
void appendGridRow(std::string &out, const TextGrid &grid, int row, int columns = -1);

} // namespace cli
