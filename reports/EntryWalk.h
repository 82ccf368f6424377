#pragma once

#include "ledger/LineList.h"
#include "ledger/MonthIO.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

// Reading entries out of the line list for the views and statements, without
// copying: an entry's cells are views of the lines' code page 1252 bytes.
namespace reports {

// One entry: the text of each of its columns 0 to 7 as the file holds it (the
// bytes after the column digit). A column the entry has no line for is empty.
struct Entry {
    std::array<std::string_view, 8> cells{};

    std::string_view date() const { return cells[0]; }
    std::string_view account() const { return cells[1]; }
    std::string_view journal() const { return cells[3]; }
    std::string_view debit() const { return cells[5]; }
    std::string_view credit() const { return cells[6]; }
};

inline constexpr std::size_t kKeyLength = 6;

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the entries of one month in the order of their date lines, reading the
// month's lines the way the month grid reads them: a column-0 line opens an
// entry, every other line of the month fills its column of the entry open
// (lines met before the month's first date line fill the first entry), and
// lines of other months in between are passed over. Lines without a column
// digit, and the digits 8 and 9, are skipped.
template <class Visit>
void forEachEntryOfMonth(const LineList &lines, std::string_view key, Visit &&visit)
{
    Entry current;
    bool open = false;
    const std::uint32_t tag = LineList::tagOf(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines.tag(i) != tag)
            continue;
        const std::string_view line = lines[i];
        if (line.size() <= key.size() || !monthio::hasKey(line, key))
            continue;
        const char digit = line[key.size()];
        if (!isDigit(digit))
            continue;
        const int column = digit - '0';
        if (column == 0) {
            if (open) {
                visit(std::as_const(current));
                current = Entry{};
            }
            open = true;
        }
        if (column < 8)
            current.cells[std::size_t(column)] = line.substr(key.size() + 1);
    }
    if (open)
        visit(std::as_const(current));
}

// Walks every entry of the list, all months together, in the order of their
// date lines. An entry is a date line (six-digit month key, then "0") and the
// lines of the same month that follow it up to the next date line. Lines of
// another month in between, and lines that belong to no entry (the header
// block, fragments before any date line), are passed over.
template <class Visit>
void forEachEntry(const LineList &lines, Visit &&visit)
{
    Entry current;
    std::string_view key;
    bool open = false;
    for (std::string_view line : lines) {
        if (line.size() <= kKeyLength || !isDigit(line[kKeyLength]))
            continue;
        const int column = line[kKeyLength] - '0';
        if (column == 0) {
            const std::string_view lineKey = line.substr(0, kKeyLength);
            bool isKey = true;
            for (char c : lineKey)
                isKey = isKey && isDigit(c);
            if (!isKey)
                continue;
            if (open)
                visit(std::as_const(current));
            current = Entry{};
            current.cells[0] = line.substr(kKeyLength + 1);
            key = lineKey;
            open = true;
        } else if (open && column < 8 && line.compare(0, kKeyLength, key) == 0) {
            current.cells[std::size_t(column)] = line.substr(kKeyLength + 1);
        }
    }
    if (open)
        visit(std::as_const(current));
}

} // namespace reports
