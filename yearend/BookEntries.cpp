#include "yearend/BookEntries.h"

#include "ledger/MonthKey.h"
#include "ledger/MonthLines.h"
#include "ledger/YearEntries.h"

#include <algorithm>
#include <map>
#include <utility>

namespace yearend {
namespace {

using monthlines::Column;

constexpr std::size_t kLinesPerEntry = monthlines::kEntryColumnCount; // as the month write-back stores an entry

} // namespace

struct BookEntryReader::MonthReading {
    std::string_view key;
    int month = 0; // yyyymm; 0 for a key that is no month, whose lines are passed over
    monthlines::EntryReader reader{monthlines::Orphans::FirstRow};
    int rows = 0; // entries handed over so far
};

BookEntryReader::BookEntryReader(std::function<void(const BookEntry &)> take) : take_(std::move(take)) {}

BookEntryReader::~BookEntryReader() = default;

void BookEntryReader::add(std::string_view text)
{
    const std::size_t index = index_++;
    const std::optional<monthlines::MonthLine> line = monthlines::readLine(text, monthlines::Cells::Cut);
    if (!line || !line->isColumn())
        return;
    if (last_ >= months_.size() || !monthlines::hasKey(text, months_[last_].key)) {
        last_ = std::size_t(std::find_if(months_.begin(), months_.end(),
                                         [&](const MonthReading &m) { return m.key == line->key; })
                            - months_.begin());
        if (last_ == months_.size()) {
            const std::optional<forms::YearMonth> ym = forms::parseMonthKey(line->key);
            months_.push_back({line->key, ym ? ym->year * 100 + ym->month : 0});
        }
    }
    MonthReading &m = months_[last_];
    if (m.month != 0)
        m.reader.add(*line, index, [&](const monthlines::Entry &entry) { hand(m, entry); });
}

void BookEntryReader::finish()
{
    for (MonthReading &m : months_)
        m.reader.finish([&](const monthlines::Entry &entry) { hand(m, entry); });
}

void BookEntryReader::hand(MonthReading &m, const monthlines::Entry &entry)
{
    const int row = m.rows++;
    // A row made only of a check-off mark or a lettering met before the
    // month's first date line carries nothing these rules judge.
    bool any = false;
    BookEntry book{m.month, row, {}, {}};
    for (std::size_t c = 0; c < book.cells.size(); ++c) {
        book.cells[c] = entry[Column(c)];
        any = any || (int(c) < kJudgedColumnCount && entry.has(Column(c)));
    }
    if (!any)
        return;
    book.date = yearentries::storedDate(book[Column::Date]);
    book.debitValue = forms::parseAmount(book.debit()).value_or(0);
    book.creditValue = forms::parseAmount(book.credit()).value_or(0);
    take_(book);
}

std::vector<BookEntry> bookEntries(const LineList &lines)
{
    std::vector<BookEntry> read;
    read.reserve(lines.size() / kLinesPerEntry + 1);
    BookEntryReader reader([&read](const BookEntry &entry) { read.push_back(entry); });
    for (std::string_view line : lines)
        reader.add(line);
    reader.finish();
    // A month's rows come in grid order, but the last entry of each month
    // only once every line is read: the months are put in order by counting
    // the entries of each, every month keeping its rows' order.
    const auto byMonth = [](const BookEntry &a, const BookEntry &b) { return a.month < b.month; };
    if (std::is_sorted(read.begin(), read.end(), byMonth))
        return read;
    std::map<int, std::size_t> next; // entries of each month, then where the next one goes
    auto slotOf = [&next, it = next.end()](int month) mutable -> std::size_t & {
        if (it == next.end() || it->first != month)
            it = next.try_emplace(month, 0).first;
        return it->second;
    };
    for (const BookEntry &e : read)
        ++slotOf(e.month);
    std::size_t start = 0;
    for (auto &[month, count] : next)
        start += std::exchange(count, start);
    std::vector<BookEntry> entries(read.size());
    for (const BookEntry &e : read)
        entries[slotOf(e.month)++] = e;
    return entries;
}

} // namespace yearend
