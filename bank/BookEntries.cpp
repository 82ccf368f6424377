#include "bank/BookEntries.h"

#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/MonthIO.h"
#include "ledger/MonthLines.h"
#include "ledger/TextGrid.h"
#include "ledger/YearEntries.h"

#include <algorithm>
#include <map>

namespace bank {
namespace {

using monthlines::Column;
using monthlines::gridColumn;

const QString kMark = QString(QChar(0xD7));

// Runs `change` on the grid of each month the places are in, then writes the
// month back.
template <class Change>
void editMonths(LineList &lines, const std::vector<std::string> &keys, Change change)
{
    TextGrid grid(32, monthlines::kColumnCount);
    for (const std::string &key : keys) {
        monthio::read(lines, key, grid);
        int rows = monthio::countRows(grid);
        change(key, grid, rows);
        monthio::write(lines, key, grid, rows);
    }
}

} // namespace

// An entry's row is the number of date lines of its month before it, as the
// month grid reads them.
std::vector<BookEntry> accountEntries(const LineList &lines, const QString &account)
{
    const std::string code = cp1252::encode(account);
    std::vector<BookEntry> found;
    std::vector<std::pair<std::string_view, int>> rowsOfMonth; // a dozen months or so: a short list
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &e) {
        const std::string_view key = e.key();
        auto month = std::find_if(rowsOfMonth.begin(), rowsOfMonth.end(), [key](const auto &m) { return m.first == key; });
        if (month == rowsOfMonth.end())
            month = rowsOfMonth.insert(rowsOfMonth.end(), {key, 0});
        const int row = month->second++;
        if (e[Column::Account] != code)
            return;
        BookEntry entry;
        entry.place = {std::string(key), row};
        entry.order = e.lineOf(Column::Date);
        entry.date = yearentries::storedDate(e[Column::Date]);
        const Cents debit = forms::parseAmount(e[Column::Debit]).value_or(0);
        const Cents credit = forms::parseAmount(e[Column::Credit]).value_or(0);
        entry.amount = debit - credit;
        entry.checked = cp1252::decode(e[Column::CheckOff]).trimmed() == kMark;
        entry.dateText = cp1252::decode(e[Column::Date]);
        entry.label = cp1252::decode(e[Column::Label]);
        entry.journal = cp1252::decode(e[Column::Journal]);
        found.push_back(std::move(entry));
    });
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
                grid.set(row, gridColumn(Column::CheckOff), marked ? kMark : QString());
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
            const QString amount = forms::Rset(forms::formatAmount(entry->amount < 0 ? -entry->amount : entry->amount));
            const bool moneyIn = entry->amount >= 0;
            places[entry] = {key, rows};
            for (const QString &account : {entry->bankAccount, entry->counterpart}) {
                const bool debit = (account == entry->bankAccount) == moneyIn;
                grid.growFor(rows);
                grid.set(rows, gridColumn(Column::Date), forms::formatDate(entry->date));
                grid.set(rows, gridColumn(Column::Account), account);
                grid.set(rows, gridColumn(Column::Label), forms::singleLine(entry->label).left(monthlines::kCellLimit));
                grid.set(rows, gridColumn(Column::Journal), entry->journal);
                grid.set(rows, gridColumn(debit ? Column::Debit : Column::Credit), amount);
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
