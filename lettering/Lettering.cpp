#include "lettering/Lettering.h"

#include "ledger/Codec1252.h"
#include "ledger/LineList.h"
#include "ledger/MonthIO.h"
#include "ledger/MonthLines.h"
#include "ledger/TextGrid.h"
#include "ledger/YearEntries.h"

#include <algorithm>
#include <map>

namespace lettering {
namespace {

using monthlines::Column;
using monthlines::gridColumn;

// The lettering cells to write, by month key: row and cell.
using CellChanges = std::map<std::string, std::vector<std::pair<int, QString>>>;

// Reads each month named into a grid, sets its cells, writes the month back.
void writeLetteringCells(LineList &lines, const CellChanges &cells)
{
    TextGrid grid(32, monthlines::kColumnCount);
    for (const auto &[key, changes] : cells) {
        monthio::read(lines, key, grid);
        const int rows = monthio::countRows(grid);
        for (const auto &[row, cell] : changes)
            if (row < rows)
                grid.set(row, gridColumn(Column::Lettering), cell);
        monthio::write(lines, key, grid, rows);
    }
}

} // namespace

std::vector<Line> accountLines(const LineList &lines, const QString &prefix)
{
    const std::string code = cp1252::encode(prefix);
    std::vector<Line> found;
    // A month's rows are its date lines, in order: a dozen months or so, a short list.
    std::vector<std::pair<std::string_view, int>> rowsOfMonth;
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &e) {
        const std::string_view key = e.key();
        auto month = std::find_if(rowsOfMonth.begin(), rowsOfMonth.end(), [key](const auto &m) { return m.first == key; });
        if (month == rowsOfMonth.end())
            month = rowsOfMonth.insert(rowsOfMonth.end(), {key, 0});
        const int row = month->second++;
        const std::string_view account = e[Column::Account];
        if (!account.starts_with(code) || account.empty())
            return;
        Line line;
        line.place = {std::string(key), row};
        line.date = yearentries::storedDate(e[Column::Date]);
        line.account = cp1252::decode(account);
        line.label = cp1252::decode(e[Column::Label]).trimmed();
        line.voucher = cp1252::decode(e[Column::Voucher]).trimmed();
        line.debit = forms::parseAmount(e[Column::Debit]).value_or(0);
        line.credit = forms::parseAmount(e[Column::Credit]).value_or(0);
        line.lettering = letteringcell::parse(e[Column::Lettering]);
        for (int c = 0; c < monthlines::kColumnCount; ++c)
            if (e.has(Column(c)))
                line.lastLine = std::max(line.lastLine, e.lineOf(Column(c)));
        line.letteringLine = e.lineOf(Column::Lettering);
        found.push_back(std::move(line));
    });
    return found;
}

bool codeBefore(const QString &a, const QString &b)
{
    return a.size() != b.size() ? a.size() < b.size() : a < b;
}

QString nextCode(const QString &code)
{
    if (code.isEmpty())
        return QStringLiteral("AA");
    QString next = code;
    for (qsizetype i = next.size() - 1; i >= 0; --i) {
        if (next[i] != u'Z') {
            next[i] = QChar(next[i].unicode() + 1);
            return next;
        }
        next[i] = u'A';
    }
    return next + u'A'; // "ZZ" is followed by "AAA"
}

CodeBook::CodeBook(const std::vector<Line> &lines)
{
    std::map<QString, QString> last;
    for (const Line &line : lines) {
        if (!line.lettering)
            continue;
        QString &code = last[line.account];
        if (code.isEmpty() || codeBefore(code, line.lettering->code))
            code = line.lettering->code;
    }
    last_.assign(last.begin(), last.end());
}

QString CodeBook::take(const QString &account)
{
    auto at = std::lower_bound(last_.begin(), last_.end(), account,
                               [](const std::pair<QString, QString> &entry, const QString &a) { return entry.first < a; });
    if (at == last_.end() || at->first != account)
        at = last_.insert(at, {account, QString()});
    at->second = nextCode(at->second);
    return at->second;
}

QString sumRefusal(Cents difference)
{
    return QStringLiteral("Les lignes ne se soldent pas : écart de %1.").arg(forms::formatAmount(difference));
}

QString letteringRefusal(const std::vector<Line> &lines, const std::vector<std::size_t> &chosen)
{
    if (chosen.size() < 2)
        return QStringLiteral("Choisissez au moins deux lignes à lettrer.");
    Cents sum = 0;
    for (std::size_t i : chosen) {
        const Line &line = lines[i];
        if (line.lettering)
            return QStringLiteral("La ligne du %1 est déjà lettrée (%2).")
                .arg(forms::formatDate(line.date), line.lettering->code);
        if (line.account != lines[chosen.front()].account)
            return QStringLiteral("Les lignes à lettrer doivent être d'un même compte.");
        sum += line.amount();
    }
    return sum == 0 ? QString() : sumRefusal(sum);
}

Group groupOf(const std::vector<Line> &lines, const std::vector<std::size_t> &chosen, CodeBook &codes)
{
    Group group;
    group.account = lines[chosen.front()].account;
    group.code = codes.take(group.account);
    group.lines = chosen;
    for (std::size_t i : chosen) {
        group.date = std::max(group.date, lines[i].date);
        group.amount += lines[i].debit;
    }
    return group;
}

std::vector<Group> letteredGroups(const std::vector<Line> &lines)
{
    std::map<std::pair<QString, QString>, Group> groups;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        if (!line.lettering)
            continue;
        Group &group = groups[{line.account, line.lettering->code}];
        group.account = line.account;
        group.code = line.lettering->code;
        group.date = line.lettering->date;
        group.lines.push_back(i);
        group.amount += line.debit;
    }
    std::vector<Group> sorted;
    for (auto &[key, group] : groups)
        sorted.push_back(std::move(group));
    std::stable_sort(sorted.begin(), sorted.end(), [](const Group &a, const Group &b) {
        return a.account != b.account ? a.account < b.account : codeBefore(a.code, b.code);
    });
    return sorted;
}

void apply(LineList &lines, const std::vector<Line> &read, const std::vector<Group> &groups)
{
    std::vector<std::pair<std::size_t, std::string>> added; // after which line, the line
    for (const Group &group : groups) {
        const std::string cell = cp1252::encode(letteringcell::format({group.code, group.date}));
        for (std::size_t i : group.lines) {
            const Line &line = read[i];
            std::string text = line.place.monthKey + monthlines::digitOf(Column::Lettering) + cell;
            if (line.letteringLine != monthlines::npos)
                lines.replace(line.letteringLine, text);
            else
                added.emplace_back(line.lastLine, std::move(text));
        }
    }
    // By the line they follow; those after one line keep their order.
    std::stable_sort(added.begin(), added.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    lines.insertAfter(added);
}

void unletter(LineList &lines, const std::vector<Line> &read, std::size_t line)
{
    if (!read[line].lettering)
        return;
    CellChanges cells;
    for (const Line &other : read)
        if (other.lettering && other.account == read[line].account && other.lettering->code == read[line].lettering->code)
            cells[other.place.monthKey].push_back({other.place.row, QString()});
    writeLetteringCells(lines, cells);
}

} // namespace lettering
