#pragma once

#include "exchange/SearchText.h"
#include "ledger/LineList.h"

#include <QStringList>
#include <string>
#include <vector>

namespace exchange {

// A row of a month grid that holds the text searched for.
struct FoundRow {
    std::string key; // the month key
    int row = 0;     // counted from 0, in grid order
    QStringList cells; // the entry's eight cells as the grid holds them (the lettering is no text of it)
};

// The month keys of the lines that name a month (six digits, the month 01 to
// 12), inside the fiscal year or not, in increasing order.
std::vector<std::string> monthKeys(const LineList &lines);

// Every row of every month, read as the month grid reads it, with a cell that
// holds the text: months in increasing key order, rows in grid order.
std::vector<FoundRow> rowsHolding(const LineList &lines, const SearchText &text);

} // namespace exchange
