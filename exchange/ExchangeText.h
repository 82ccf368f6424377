#pragma once

#include "ledger/LineList.h"
#include "ledger/TextGrid.h"

#include <initializer_list>
#include <string>
#include <string_view>

// The exchange file: one entry per line, its fields separated by one TAB,
// code page 1252, CR LF after every line. The exports write it, the import
// reads it, and the year-end closing writes its opening entries in it.
namespace exchange {

// Appends one line: the fields joined by TAB, then CR LF. Fields are
// written as given.
void appendRecord(std::string &out, std::initializer_list<std::string_view> fields);

// The month export: for every row of the grid holding an entry, its date,
// account, label, journal, voucher, debit and credit, trimmed. The check-off
// mark stays out. A row without a date (nothing but an empty row, unless an
// import brought an undated entry) is not written: imported again, it would
// belong to no month.
std::string exportMonth(const TextGrid &grid);

// The whole-journal export: every entry of the lines after the header block,
// in the order of the lines, each field at its column's place up to the
// entry's highest column, missing columns empty (so eight fields for an entry
// written back from the grid, the check-off mark included). Nothing when the
// lines have no "</HEAD>".
std::string exportJournal(const LineList &lines);

} // namespace exchange
