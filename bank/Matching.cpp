#include "bank/Matching.h"

#include "ledger/OpeningJournal.h"

#include <algorithm>
#include <iterator>
#include <numeric>
#include <tuple>
#include <unordered_map>

namespace bank {

QString statusText(LineStatus status)
{
    switch (status) {
    case LineStatus::CheckedOff: return QStringLiteral("pointée");
    case LineStatus::AlreadyCheckedOff: return QStringLiteral("déjà pointée");
    case LineStatus::ToEnter: break;
    }
    return QStringLiteral("à saisir");
}

QString notOnStatementText()
{
    return QStringLiteral("non relevée");
}

QString openingGapText()
{
    return QStringLiteral("Écart d'ouverture");
}

namespace {

bool opening(const BookEntry &entry)
{
    return entry.journal.trimmed() == QLatin1StringView(journals::kOpening.data(), qsizetype(journals::kOpening.size()));
}

} // namespace

LineKey lineKey(const Statement &statement, const StatementLine &line)
{
    return {statement.periodStart(), statement.periodEnd(), line.date, line.label.trimmed()};
}

bool checkedOffBy(const std::vector<CheckOff> &checkOffs, const BookEntry &entry, const LineKey &line)
{
    return std::any_of(checkOffs.begin(), checkOffs.end(), [&](const CheckOff &c) {
        return c.amount == entry.amount && c.entryDate == entry.date && c.entryLabel == entry.label.trimmed()
            && c.line == line;
    });
}

std::vector<CheckOff> checkOffsOf(const std::vector<CheckOff> &checkOffs, const QString &account)
{
    std::vector<CheckOff> ofAccount;
    std::copy_if(checkOffs.begin(), checkOffs.end(), std::back_inserter(ofAccount),
                 [&](const CheckOff &c) { return c.account == account; });
    return ofAccount;
}

std::vector<CheckOff> newCheckOffs(const Statement &statement, const std::vector<BookEntry> &entries,
                                   const Matching &matching, const QString &account)
{
    std::vector<CheckOff> added;
    for (std::size_t i = 0; i < matching.lines.size(); ++i) {
        if (matching.lines[i].status != LineStatus::CheckedOff)
            continue;
        const BookEntry &entry = entries[*matching.lines[i].entry];
        added.push_back({account, entry.date, entry.label.trimmed(), entry.amount, lineKey(statement, statement.lines[i])});
    }
    return added;
}

Matching match(const Statement &statement, const std::vector<BookEntry> &entries,
               const std::vector<CheckOff> &checkOffs)
{
    Matching result;
    result.lines.resize(statement.lines.size());
    result.periodStart = statement.periodStart();
    result.periodEnd = statement.periodEnd();

    // The entries of each amount, by date then file order: a line looks at
    // the few of its amount within its window, never at the whole list.
    std::unordered_map<Cents, std::vector<std::size_t>> byAmount;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].date.isValid() && !opening(entries[i]))
            byAmount[entries[i].amount].push_back(i);
    const auto earlier = [&](std::size_t a, std::size_t b) {
        return std::tie(entries[a].date, entries[a].order) < std::tie(entries[b].date, entries[b].order);
    };
    for (auto &[amount, group] : byAmount)
        std::sort(group.begin(), group.end(), earlier);

    std::vector<std::size_t> order(statement.lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return statement.lines[a].date < statement.lines[b].date;
    });

    std::vector<bool> taken(entries.size(), false);
    for (std::size_t lineIndex : order) {
        const StatementLine &line = statement.lines[lineIndex];
        const auto group = byAmount.find(line.amount);
        if (group == byAmount.end() || !line.date.isValid())
            continue;
        const QDate first = line.date.addDays(-kDaysBefore);
        const QDate last = line.date.addDays(kDaysAfter);
        auto it = std::partition_point(group->second.begin(), group->second.end(),
                                       [&](std::size_t e) { return entries[e].date < first; });
        const LineKey key = lineKey(statement, line);
        std::optional<std::size_t> best;
        const auto rank = [&](std::size_t e) {
            return std::make_tuple(entries[e].checked, std::abs(entries[e].date.daysTo(line.date)), entries[e].order);
        };
        for (; it != group->second.end() && entries[*it].date <= last; ++it)
            if (!taken[*it] && (!entries[*it].checked || checkedOffBy(checkOffs, entries[*it], key))
                && (!best || rank(*it) < rank(*best)))
                best = *it;
        if (!best)
            continue;
        taken[*best] = true;
        result.lines[lineIndex] = {entries[*best].checked ? LineStatus::AlreadyCheckedOff : LineStatus::CheckedOff,
                                   best};
    }

    std::vector<std::size_t> open;
    // The books' balance at the period's start, less the entries a line of
    // the statement takes: those the bank had not cleared yet.
    AmountTotal openingBook;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const BookEntry &entry = entries[i];
        if (!entry.date.isValid() || entry.date > result.periodEnd)
            continue;
        result.bookBalance.add(entry.amount);
        const bool beforeStart = entry.date < result.periodStart || (opening(entry) && entry.date <= result.periodStart);
        if (beforeStart && !taken[i])
            openingBook.add(entry.amount);
        if (!entry.checked && !taken[i] && !opening(entry))
            open.push_back(i);
    }
    if (statement.openingBalance && openingBook.computed() && *statement.openingBalance != openingBook.value())
        result.openingGap = *statement.openingBalance - openingBook.value();
    std::stable_sort(open.begin(), open.end(), earlier);
    for (std::size_t i : open)
        (entries[i].date < result.periodStart ? result.olderOpen : result.notOnStatement).push_back(i);
    return result;
}

} // namespace bank
