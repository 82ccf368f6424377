#include "yearend/BookEntries.h"

#include "ledger/MonthKey.h"

#include <algorithm>

namespace yearend {
namespace {

constexpr std::size_t kKeyLength = 6;
constexpr std::size_t kCellLimit = 254;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A month met in the lines: the rows read so far, as the month reader counts
// them (-1 before the first date line), and the entry being filled.
struct MonthReading {
    std::string_view key;
    int month = 0;
    int row = -1;
    std::size_t open = std::size_t(-1); // index in the entries of the row being filled
};

} // namespace

QDate storedDate(std::string_view t)
{
    if (t.size() != 10 || t[2] != '/' || t[5] != '/')
        return {};
    int value[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 3, 6};
    const std::size_t lengths[3] = {2, 2, 4};
    for (int part = 0; part < 3; ++part)
        for (std::size_t i = starts[part]; i < starts[part] + lengths[part]; ++i) {
            if (!isDigit(t[i]))
                return {};
            value[part] = value[part] * 10 + (t[i] - '0');
        }
    return QDate(value[2], value[1], value[0]);
}

std::vector<BookEntry> bookEntries(const LineList &lines)
{
    std::vector<BookEntry> entries;
    std::vector<MonthReading> months;
    std::size_t last = 0; // the month of the previous line: months come in runs
    for (std::string_view line : lines) {
        if (line.size() <= kKeyLength || !isDigit(line[kKeyLength]))
            continue;
        const std::string_view key = line.substr(0, kKeyLength);
        if (last >= months.size() || months[last].key != key) {
            last = std::size_t(std::find_if(months.begin(), months.end(),
                                            [key](const MonthReading &m) { return m.key == key; })
                               - months.begin());
            if (last == months.size()) {
                const std::optional<forms::YearMonth> ym = forms::parseMonthKey(key);
                months.push_back({key, ym ? ym->annee * 100 + ym->mois : 0});
            }
        }
        MonthReading &m = months[last];
        if (m.month == 0)
            continue;
        const int column = line[kKeyLength] - '0';
        if (column >= 7) // the check-off mark, and the digits that name no column
            continue;
        if (column == 0)
            ++m.row;
        // A new row: every date line but the first row's, and the first row
        // when lines came before the month's first date line.
        if (m.open == std::size_t(-1) || (column == 0 && m.row > 0)) {
            m.open = entries.size();
            entries.push_back({m.month, std::max(m.row, 0), {}, {}});
        }
        entries[m.open].cells[std::size_t(column)] = line.substr(kKeyLength + 1, kCellLimit);
    }
    for (BookEntry &e : entries) {
        e.date = storedDate(e.cells[0]);
        e.debitValue = forms::parseAmount(e.debit()).value_or(0);
        e.creditValue = forms::parseAmount(e.credit()).value_or(0);
    }
    std::stable_sort(entries.begin(), entries.end(), [](const BookEntry &a, const BookEntry &b) {
        return a.month != b.month ? a.month < b.month : a.row < b.row;
    });
    return entries;
}

} // namespace yearend
