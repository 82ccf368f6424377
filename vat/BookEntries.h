#pragma once

#include "ledger/LineList.h"

#include <array>
#include <string_view>
#include <utility>

// The entries of the line list as the VAT return reads them: the cells of
// every entry, all months together, read the way the balance reads them.
// This is the return's one reader of the line format.
namespace vat {

struct BookEntry {
    std::array<std::string_view, 8> cells{}; // columns 0 to 7, as the file holds them

    std::string_view date() const { return cells[0]; }
    std::string_view account() const { return cells[1]; }
    std::string_view label() const { return cells[2]; }
    std::string_view journal() const { return cells[3]; }
    std::string_view debit() const { return cells[5]; }
    std::string_view credit() const { return cells[6]; }
};

// Visits every entry in the order of its date line: a date line (six-digit
// month key, then "0") and the lines of the same month that follow it up to
// the next date line. Lines of another month in between, the header block
// and lines before any date line are passed over.
template <class Visit>
void forEachBookEntry(const LineList &lines, Visit &&visit)
{
    constexpr std::size_t keyLength = 6;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    BookEntry current;
    std::string_view key;
    bool open = false;
    for (std::string_view line : lines) {
        if (line.size() <= keyLength || !digit(line[keyLength]))
            continue;
        const int column = line[keyLength] - '0';
        if (column == 0) {
            const std::string_view lineKey = line.substr(0, keyLength);
            bool isKey = true;
            for (char c : lineKey)
                isKey = isKey && digit(c);
            if (!isKey)
                continue;
            if (open)
                visit(std::as_const(current));
            current = BookEntry{};
            current.cells[0] = line.substr(keyLength + 1);
            key = lineKey;
            open = true;
        } else if (open && column < 8 && line.compare(0, keyLength, key) == 0) {
            current.cells[std::size_t(column)] = line.substr(keyLength + 1);
        }
    }
    if (open)
        visit(std::as_const(current));
}

} // namespace vat
