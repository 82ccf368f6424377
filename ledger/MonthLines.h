#pragma once

#include "ledger/LineList.h"

#include <QStringView>
#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

// The entry lines of the line list: a month key of six characters, a column
// digit, the cell. Every reader of the months (the month grid, the views and
// statements, the export, the closing, the verifier) reads them here; what
// differs from one reader to another is said by the parameters below.
namespace monthlines {

// The columns of an entry, by their digit in the file. The lettering ("AB
// 14/03/2025": the code of the group of lines that settle each other, and the
// day the group was completed) comes after the eight columns the original
// program reads; it reads past the digit 8, so its files stay readable.
enum class Column { Date, Account, Label, Journal, Voucher, Debit, Credit, CheckOff, Lettering };
inline constexpr int kColumnCount = 9;

// The month grid and the views keep the file's column order.
constexpr int gridColumn(Column column)
{
    return static_cast<int>(column);
}

constexpr char digitOf(Column column)
{
    return char('0' + gridColumn(column));
}

// The columns of the original format, those an exchange file carries: every
// column before the lettering.
inline constexpr int kEntryColumnCount = gridColumn(Column::Lettering);

// Whether the write-back stores a column's line even when its cell is empty:
// the original format's eight lines always, the lettering only when the line
// is lettered, so that unlettered books are stored as they always were.
constexpr bool storedWhenEmpty(Column column)
{
    return gridColumn(column) < kEntryColumnCount;
}

inline constexpr std::size_t kKeyLength = 6;
// What the format keeps of a cell.
inline constexpr std::size_t kCellLimit = 254;
inline constexpr std::size_t npos = std::size_t(-1);

// How much of a cell a reader takes.
enum class Cells {
    // The format's limit: the month grid keeps at most 254 characters, so the
    // next write-back stores the shortened text; the export and the verifier
    // take what the grid would show.
    Cut,
    // The line as stored: the views and statements read the cells without
    // copying them, and a longer cell (a hand-made file) counts whole.
    Whole,
};

// What becomes of a month's line met while no date line of its month opens
// an entry for it.
enum class Orphans {
    // The month grid's reading: the lines before a month's first date line
    // fill the first row, which exists even if no date line follows.
    FirstRow,
    // The statements' reading, entry by entry through the list: a line counts
    // only in the run of lines after its date line, so the lines before a
    // month's first date line, and those after another month's date line, are
    // left out.
    Skipped,
};

// Appends the line of one cell: the key, the column's digit, the cell cut to
// the format's 254 characters. `buffer` is scratch space kept between calls.
void appendLine(LineList &lines, std::string &buffer, std::string_view key, Column column, QStringView cell);

// Whether a line carries the month key (its first six bytes).
inline bool hasKey(std::string_view line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    if (key.size() == kKeyLength) {
        // Every pass over the list tests every line: compare the six bytes as
        // two integers rather than through a library call.
        std::uint32_t a, b;
        std::uint16_t c, d;
        std::memcpy(&a, line.data(), 4);
        std::memcpy(&b, key.data(), 4);
        std::memcpy(&c, line.data() + 4, 2);
        std::memcpy(&d, key.data() + 4, 2);
        return a == b && c == d;
    }
    return line.compare(0, key.size(), key) == 0;
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A cell as every reader takes it: without the blanks (and control
// characters) at either end, so amounts lose their alignment spaces; a
// no-break space is text.
inline std::string_view trimmedCell(std::string_view cell)
{
    while (!cell.empty() && static_cast<unsigned char>(cell.front()) <= ' ')
        cell.remove_prefix(1);
    while (!cell.empty() && static_cast<unsigned char>(cell.back()) <= ' ')
        cell.remove_suffix(1);
    return cell;
}

// Whether a key is six digits (the month itself is not checked).
inline bool isDigitKey(std::string_view key)
{
    if (key.size() != kKeyLength)
        return false;
    for (char c : key)
        if (!isDigit(c))
            return false;
    return true;
}

// One line read as an entry line. Imports of long lines made by earlier
// versions also wrote the digit 9, which names no column.
struct MonthLine {
    std::string_view key;
    int digit = 0;
    std::string_view cell;

    bool isColumn() const { return digit < kColumnCount; }
    Column column() const { return static_cast<Column>(digit); }
};

// The line as key, digit and cell; nothing when no digit follows six
// characters. The key is not checked: each reader says which keys it takes.
inline std::optional<MonthLine> readLine(std::string_view line, Cells cells)
{
    if (line.size() <= kKeyLength || !isDigit(line[kKeyLength]))
        return std::nullopt;
    // Views built from the sizes just checked: every line of every walk
    // comes through here.
    std::size_t length = line.size() - kKeyLength - 1;
    if (cells == Cells::Cut && length > kCellLimit)
        length = kCellLimit;
    return MonthLine{std::string_view(line.data(), kKeyLength), line[kKeyLength] - '0',
                     std::string_view(line.data() + kKeyLength + 1, length)};
}

// One entry: its cells as the lines hold them (views of their bytes), and
// where each comes from. A column the entry has no line for is empty; when a
// column has several lines, the last one counts.
class Entry {
public:
    std::string_view operator[](Column column) const
    {
        return has(column) ? std::string_view(data_[index(column)], sizes_[index(column)]) : std::string_view();
    }
    // The index in the list of the line the cell comes from; npos when none.
    std::size_t lineOf(Column column) const { return has(column) ? lines_[index(column)] : npos; }
    bool has(Column column) const { return (present_ >> index(column)) & 1u; }
    // Whether a date line opened the entry (a first row made of lines met
    // before the month's first date line has none).
    bool dated() const { return has(Column::Date); }
    bool empty() const { return present_ == 0; }
    // The month key its lines carry.
    std::string_view key() const { return std::string_view(key_, empty() ? 0 : kKeyLength); }

    void put(const MonthLine &line, std::size_t index)
    {
        // A cell's pointer and size are kept apart: copied as one sixteen-
        // byte view, they would be read back whole right after being built
        // in two halves, which stalls the walk at every line.
        data_[std::size_t(line.digit)] = line.cell.data();
        sizes_[std::size_t(line.digit)] = line.cell.size();
        lines_[std::size_t(line.digit)] = index;
        present_ |= 1u << line.digit;
        key_ = line.key.data();
    }
    // Emptied by forgetting its cells: an entry is reset at every date line.
    void clear() { present_ = 0; }

private:
    static std::size_t index(Column column) { return std::size_t(column); }

    std::array<const char *, kColumnCount> data_;
    std::array<std::size_t, kColumnCount> sizes_;
    std::array<std::size_t, kColumnCount> lines_;
    const char *key_ = nullptr;
    unsigned present_ = 0; // one bit per column that has a line
};

// Reads the lines of one month, as they come, into entries: a date line
// opens an entry, the other columns fill the entry open. Each entry is handed
// to `visit` once complete: when the next date line comes, or by `finish`.
class EntryReader {
public:
    // What became of a line.
    enum class Fate { Read, Orphan, Skipped };

    explicit EntryReader(Orphans orphans) : orphans_(orphans) {}

    // A column line (digits 0 to 8) of the month, at `index` in the list. A
    // line met while no date line opens the entry is an orphan: read into
    // the first row or skipped, as `orphans` says.
    template <class Visit>
    Fate add(const MonthLine &line, std::size_t index, Visit &&visit)
    {
        // Most lines are cells of the entry open: their path is kept short
        // enough to stay inside the walk's loop.
        if (line.digit != 0 && current_.dated()) {
            current_.put(line, index);
            return Fate::Read;
        }
        return addOther(line, index, visit);
    }

    // Visits the entry open, if any: no later line joins it (the month
    // ends, or for the statements another month's date line came).
    template <class Visit>
    void finish(Visit &&visit)
    {
        if (!current_.empty())
            visit(std::as_const(current_));
        current_.clear();
    }

    // Date lines met so far.
    int rows() const { return rows_; }

private:
    // A date line, or an orphan.
    template <class Visit>
    Fate addOther(const MonthLine &line, std::size_t index, Visit &&visit)
    {
        Fate fate = Fate::Read;
        if (line.digit == 0) {
            // Orphans read before the month's first date line stay: that
            // date line is their row's.
            if (current_.dated()) {
                visit(std::as_const(current_));
                current_.clear();
            }
            ++rows_;
        } else {
            if (orphans_ == Orphans::Skipped)
                return Fate::Skipped;
            fate = Fate::Orphan;
        }
        current_.put(line, index);
        return fate;
    }

    Orphans orphans_;
    Entry current_;
    int rows_ = 0;
};

// Walks the entries of one month (the lines carrying `key`) in the order of
// their date lines; the other months' lines in between are passed over.
template <class Visit>
void forEachEntryOfMonth(const LineList &lines, std::string_view key, Orphans orphans, Cells cells, Visit &&visit)
{
    EntryReader reader(orphans);
    const std::uint32_t tag = LineList::tagOf(key);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines.tag(i) != tag || !hasKey(lines[i], key))
            continue;
        const std::optional<MonthLine> line = readLine(lines[i], cells);
        if (line && line->isColumn())
            reader.add(*line, i, visit);
    }
    reader.finish(visit);
}

// Walks every entry of the list, all months together, in the order of their
// date lines (a date line of six digits of key), the statements' way: the
// lines of an entry are those of its month that follow its date line up to
// the next date line of any month. The header block and every line that
// belongs to no entry are passed over.
template <class Visit>
void forEachEntry(const LineList &lines, Cells cells, Visit &&visit)
{
    EntryReader reader(Orphans::Skipped);
    std::string_view month;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::optional<MonthLine> line = readLine(lines[i], cells);
        if (!line || !line->isColumn())
            continue;
        const bool ofMonth = !month.empty() && hasKey(line->key, month);
        if (line->digit == 0 && !ofMonth) {
            if (!isDigitKey(line->key))
                continue;
            reader.finish(visit);
            month = line->key;
            reader.add(*line, i, visit);
        } else if (ofMonth) {
            reader.add(*line, i, visit);
        }
    }
    reader.finish(visit);
}

} // namespace monthlines
