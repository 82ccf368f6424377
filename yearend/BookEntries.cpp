#include "yearend/BookEntries.h"

#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"

#include <algorithm>

namespace yearend {
namespace {

using monthlines::Column;

// A month met in the lines, read as its grid reads it.
struct MonthReading {
    std::string_view key;
    int month = 0; // yyyymm; 0 for a key that is no month, whose lines are passed over
    monthlines::EntryReader reader{monthlines::Orphans::FirstRow};
    std::vector<BookEntry> entries;

    void take(const monthlines::Entry &entry)
    {
        const int row = int(entries.size());
        // A row made only of a check-off mark met before the month's first
        // date line carries nothing these rules judge.
        bool any = false;
        BookEntry book{month, row, {}, {}};
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
    std::size_t last = 0; // the month of the previous line: months come in runs
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<monthlines::MonthLine> line = monthlines::readLine(lines[i], monthlines::Cells::Cut);
        if (!line || !line->isColumn())
            continue;
        if (last >= months.size() || months[last].key != line->key) {
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
            m.reader.add(*line, i, [&m](const monthlines::Entry &entry) { m.take(entry); });
    }
    for (MonthReading &m : months)
        m.reader.finish([&m](const monthlines::Entry &entry) { m.take(entry); });
    std::sort(months.begin(), months.end(), [](const MonthReading &a, const MonthReading &b) { return a.month < b.month; });
    std::size_t total = 0;
    for (const MonthReading &m : months)
        total += m.entries.size();
    std::vector<BookEntry> entries;
    entries.reserve(total);
    for (MonthReading &m : months)
        std::move(m.entries.begin(), m.entries.end(), std::back_inserter(entries));
    return entries;
}

} // namespace yearend
