#include "yearend/BookEntries.h"

#include "ledger/MonthIO.h"
#include "ledger/MonthKey.h"

#include <algorithm>
#include <cstdint>

namespace yearend {
namespace {

constexpr std::size_t kKeyLength = 6;
constexpr std::size_t kCellLimit = 254;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A month met in the lines: the rows read so far, as the month reader counts
// them (-1 before the first date line), and its entry being filled.
struct MonthReading {
    std::string_view key;
    int month = 0;
    int row = -1;
    std::size_t open = std::size_t(-1); // index of the row being filled
};

constexpr std::size_t kLinesPerEntry = 8; // as the month write-back stores an entry

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
    std::vector<BookEntry> read; // in the order their first line comes
    read.reserve(lines.size() / kLinesPerEntry + 1);
    std::vector<MonthReading> months;
    std::size_t last = 0; // the month of the previous line: months come in runs
    for (std::string_view line : lines) {
        if (line.size() <= kKeyLength || !isDigit(line[kKeyLength]))
            continue;
        const std::string_view key = line.substr(0, kKeyLength);
        if (last >= months.size() || !monthio::hasKey(line, months[last].key)) {
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
            m.open = read.size();
            read.push_back({m.month, std::max(m.row, 0), {}, {}});
        }
        read[m.open].cells[std::size_t(column)] = line.substr(kKeyLength + 1, kCellLimit);
    }
    // Rows of a month come in grid order: laid out month after month, they
    // are in the grids' order.
    std::sort(months.begin(), months.end(), [](const MonthReading &a, const MonthReading &b) { return a.month < b.month; });
    std::vector<std::size_t> monthStart(months.size() + 1, 0);
    for (const BookEntry &e : read)
        ++monthStart[std::size_t(std::lower_bound(months.begin(), months.end(), e.month,
                                                  [](const MonthReading &m, int month) { return m.month < month; })
                                 - months.begin()) + 1];
    for (std::size_t m = 0; m < months.size(); ++m)
        monthStart[m + 1] += monthStart[m];
    std::vector<std::uint32_t> order(read.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        const auto m = std::lower_bound(months.begin(), months.end(), read[i].month,
                                        [](const MonthReading &mr, int month) { return mr.month < month; });
        order[monthStart[std::size_t(m - months.begin())]++] = std::uint32_t(i);
    }
    std::vector<BookEntry> entries;
    entries.reserve(read.size());
    for (std::uint32_t i : order) {
        BookEntry &e = entries.emplace_back(read[i]);
        e.date = storedDate(e.cells[0]);
        e.debitValue = forms::parseAmount(e.debit()).value_or(0);
        e.creditValue = forms::parseAmount(e.credit()).value_or(0);
    }
    return entries;
}

} // namespace yearend
