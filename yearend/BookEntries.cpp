#include "yearend/BookEntries.h"

#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"

#include <algorithm>
#include <cstdint>

namespace yearend {
namespace {

using monthlines::Column;

// A month met in the lines, read as its grid reads it.
struct MonthReading {
    std::string_view key;
    int month = 0; // yyyymm; 0 for a key that is no month, whose lines are passed over
    monthlines::EntryReader reader{monthlines::Orphans::FirstRow};
    int rows = 0; // entries handed over so far
};

constexpr std::size_t kLinesPerEntry = 8; // as the month write-back stores an entry

// The entries read, in the order they are complete, with the month each
// belongs to (its index among the months met).
struct Reading {
    std::vector<BookEntry> entries;
    std::vector<std::uint32_t> monthOf;

    void take(MonthReading &m, std::uint32_t monthIndex, const monthlines::Entry &entry)
    {
        const int row = m.rows++;
        // A row made only of a check-off mark met before the month's first
        // date line carries nothing these rules judge.
        bool any = false;
        BookEntry book{m.month, row, {}, {}};
        for (std::size_t c = 0; c < book.cells.size(); ++c) {
            book.cells[c] = entry[Column(c)];
            any = any || entry.has(Column(c));
        }
        if (!any)
            return;
        book.date = storedDate(book.cells[0]);
        book.debitValue = forms::parseAmount(book.debit()).value_or(0);
        book.creditValue = forms::parseAmount(book.credit()).value_or(0);
        entries.push_back(book);
        monthOf.push_back(monthIndex);
    }
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

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
    std::vector<MonthReading> months;
    Reading read;
    read.entries.reserve(lines.size() / kLinesPerEntry + 1);
    read.monthOf.reserve(lines.size() / kLinesPerEntry + 1);
    std::size_t last = 0; // the month of the previous line: months come in runs
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<monthlines::MonthLine> line = monthlines::readLine(lines[i], monthlines::Cells::Cut);
        if (!line || !line->isColumn())
            continue;
        if (last >= months.size() || !monthlines::hasKey(lines[i], months[last].key)) {
            last = std::size_t(std::find_if(months.begin(), months.end(),
                                            [&](const MonthReading &m) { return m.key == line->key; })
                               - months.begin());
            if (last == months.size()) {
                const std::optional<forms::YearMonth> ym = forms::parseMonthKey(line->key);
                months.push_back({line->key, ym ? ym->year * 100 + ym->month : 0});
            }
        }
        MonthReading &m = months[last];
        if (m.month != 0)
            m.reader.add(*line, i, [&](const monthlines::Entry &entry) { read.take(m, std::uint32_t(last), entry); });
    }
    for (std::size_t k = 0; k < months.size(); ++k)
        months[k].reader.finish([&](const monthlines::Entry &entry) { read.take(months[k], std::uint32_t(k), entry); });

    // Rows of a month come in grid order; the months are put in calendar
    // order by counting the entries of each.
    std::vector<std::uint32_t> byMonth(months.size());
    for (std::size_t k = 0; k < months.size(); ++k)
        byMonth[k] = std::uint32_t(k);
    std::sort(byMonth.begin(), byMonth.end(),
              [&](std::uint32_t a, std::uint32_t b) { return months[a].month < months[b].month; });
    // A dossier written by Tavelin holds its months in calendar order: the
    // entries are then in order as read.
    if (std::is_sorted(read.monthOf.begin(), read.monthOf.end(), [&](std::uint32_t a, std::uint32_t b) {
            return months[a].month < months[b].month;
        }))
        return std::move(read.entries);
    std::vector<std::size_t> count(months.size(), 0);
    for (std::uint32_t k : read.monthOf)
        ++count[k];
    std::vector<std::size_t> next(months.size());
    std::size_t start = 0;
    for (std::uint32_t k : byMonth) {
        next[k] = start;
        start += count[k];
    }
    std::vector<BookEntry> entries(read.entries.size());
    for (std::size_t i = 0; i < read.entries.size(); ++i)
        entries[next[read.monthOf[i]]++] = read.entries[i];
    return entries;
}

} // namespace yearend
