#include "bank/BookEntries.h"

#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/MonthIO.h"
#include "ledger/TextGrid.h"

#include <algorithm>
#include <array>
#include <map>

namespace bank {
namespace {

constexpr std::size_t kKeyLength = 6;
const QString kMark = QString(QChar(0xD7));

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "dd/mm/yyyy" as the ledger stores it; anything else through the general reader.
QDate entryDate(std::string_view cell)
{
    if (cell.size() == 10 && cell[2] == '/' && cell[5] == '/') {
        const auto two = [&](std::size_t at) { return (cell[at] - '0') * 10 + (cell[at + 1] - '0'); };
        if (isDigit(cell[0]) && isDigit(cell[1]) && isDigit(cell[3]) && isDigit(cell[4]) && isDigit(cell[6]) &&
            isDigit(cell[7]) && isDigit(cell[8]) && isDigit(cell[9]))
            return QDate(two(6) * 100 + two(8), two(3), two(0));
    }
    return forms::parseDate(cp1252::decode(cell));
}

// Runs `change` on the grid of each month the places are in, then writes the
// month back.
template <class Change>
void editMonths(LineList &lines, const std::vector<std::string> &keys, Change change)
{
    TextGrid grid(32, 8);
    for (const std::string &key : keys) {
        monthio::read(lines, key, grid);
        int rows = monthio::countRows(grid);
        change(key, grid, rows);
        monthio::write(lines, key, grid, rows);
    }
}

} // namespace

// The one walk of the line list here: an entry is a date line (a six-digit
// month key, then "0") and the lines of its month that follow it, up to the
// next date line of that month; its row is the number of date lines of its
// month before it, as the month grid reads them.
std::vector<BookEntry> accountEntries(const LineList &lines, const QString &account)
{
    const std::string code = cp1252::encode(account);
    std::vector<BookEntry> found;
    std::vector<std::pair<std::string_view, int>> rowsOfMonth; // a dozen months or so: a short list
    struct Open {
        std::string_view key;
        std::array<std::string_view, 8> cells{};
        int row = -1;
        std::size_t order = 0;
    } open;
    const auto close = [&] {
        if (open.row < 0 || open.cells[1] != code)
            return;
        BookEntry entry;
        entry.place = {std::string(open.key), open.row};
        entry.order = open.order;
        entry.date = entryDate(open.cells[0]);
        const Cents debit = forms::parseAmount(open.cells[5]).value_or(0);
        const Cents credit = forms::parseAmount(open.cells[6]).value_or(0);
        entry.amount = debit - credit;
        entry.checked = cp1252::decode(open.cells[7]).trimmed() == kMark;
        entry.dateText = cp1252::decode(open.cells[0]);
        entry.label = cp1252::decode(open.cells[2]);
        entry.journal = cp1252::decode(open.cells[3]);
        found.push_back(std::move(entry));
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (line.size() <= kKeyLength || !isDigit(line[kKeyLength]))
            continue;
        const int column = line[kKeyLength] - '0';
        const std::string_view key = line.substr(0, kKeyLength);
        if (column == 0) {
            if (!std::all_of(key.begin(), key.end(), isDigit))
                continue;
            close();
            auto month = std::find_if(rowsOfMonth.begin(), rowsOfMonth.end(),
                                      [key](const auto &m) { return m.first == key; });
            if (month == rowsOfMonth.end())
                month = rowsOfMonth.insert(rowsOfMonth.end(), {key, 0});
            open = Open{key, {}, month->second++, i};
            open.cells[0] = line.substr(kKeyLength + 1);
        } else if (open.row >= 0 && column < 8 && key == open.key) {
            open.cells[std::size_t(column)] = line.substr(kKeyLength + 1);
        }
    }
    close();
    return found;
}

void setMarks(LineList &lines, const std::vector<EntryPlace> &places, bool marked)
{
    std::map<std::string, std::vector<int>> rowsByMonth;
    for (const EntryPlace &place : places)
        rowsByMonth[place.monthKey].push_back(place.row);
    std::vector<std::string> keys;
    for (const auto &[key, rows] : rowsByMonth)
        keys.push_back(key);
    editMonths(lines, keys, [&](const std::string &key, TextGrid &grid, int rowCount) {
        for (int row : rowsByMonth[key])
            if (row < rowCount)
                grid.set(row, 7, marked ? kMark : QString());
    });
}

std::vector<EntryPlace> postEntries(LineList &lines, const std::vector<PostedEntry> &entries)
{
    std::map<std::string, std::vector<const PostedEntry *>> byMonth;
    for (const PostedEntry &entry : entries)
        byMonth[forms::monthKey(entry.date.year(), entry.date.month())].push_back(&entry);
    std::vector<std::string> keys;
    for (const auto &[key, posted] : byMonth)
        keys.push_back(key);
    std::map<const PostedEntry *, EntryPlace> places;
    editMonths(lines, keys, [&](const std::string &key, TextGrid &grid, int &rows) {
        for (const PostedEntry *entry : byMonth[key]) {
            const QString amount = forms::rset(forms::formatAmount(entry->amount < 0 ? -entry->amount : entry->amount));
            const bool moneyIn = entry->amount >= 0;
            places[entry] = {key, rows};
            for (const QString &account : {entry->bankAccount, entry->counterpart}) {
                const bool debit = (account == entry->bankAccount) == moneyIn;
                grid.growFor(rows);
                grid.set(rows, 0, forms::formatDate(entry->date));
                grid.set(rows, 1, account);
                grid.set(rows, 2, forms::singleLine(entry->label).left(254));
                grid.set(rows, 3, entry->journal);
                grid.set(rows, debit ? 5 : 6, amount);
                ++rows;
            }
        }
    });
    std::vector<EntryPlace> out;
    for (const PostedEntry &entry : entries)
        out.push_back(places[&entry]);
    return out;
}

} // namespace bank
