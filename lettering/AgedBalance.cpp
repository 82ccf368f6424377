#include "lettering/AgedBalance.h"

#include "ledger/CodeList.h"
#include "ledger/TextGrid.h"
#include "lettering/Lettering.h"

#include <algorithm>
#include <map>

namespace lettering {

int ageBucket(QDate date, QDate at)
{
    const qint64 days = date.daysTo(at);
    if (days <= 30)
        return 0;
    if (days <= 60)
        return 1;
    return days <= 90 ? 2 : 3;
}

AgedBalance agedBalance(const LineList &lines, const CodeList &chart, QDate at, const QString &prefix)
{
    const std::vector<Line> read = accountLines(lines, prefix);
    // The latest line of each group: the group is open at a date before it.
    std::map<std::pair<QString, QString>, QDate> groupEnds;
    for (const Line &line : read)
        if (line.lettering) {
            QDate &end = groupEnds[{line.account, line.lettering->code}];
            end = std::max(end, line.date);
        }
    std::map<QString, AgedRow> rows;
    AgedBalance balance;
    balance.total.account = QStringLiteral("Total");
    for (const Line &line : read) {
        if (!line.date.isValid() || line.date > at || line.amount() == 0)
            continue;
        if (line.lettering && groupEnds[{line.account, line.lettering->code}] <= at)
            continue;
        AgedRow &row = rows[line.account];
        const int bucket = ageBucket(line.date, at);
        row.buckets[std::size_t(bucket)] += line.amount();
        row.total += line.amount();
        balance.total.buckets[std::size_t(bucket)] += line.amount();
        balance.total.total += line.amount();
    }
    for (auto &[account, row] : rows) {
        row.account = account;
        const qsizetype found = chart.findAccount(account);
        if (found != CodeList::npos)
            row.label = chart.label(found);
        balance.rows.push_back(std::move(row));
    }
    return balance;
}

TextGrid agedBalanceGrid(const AgedBalance &balance)
{
    TextGrid grid(int(balance.rows.size()) + 2, 3 + kAgeBuckets);
    const QStringList titles = {QStringLiteral("Compte"),      QStringLiteral("Libellé"),
                                QStringLiteral("0 à 30 jours"), QStringLiteral("31 à 60 jours"),
                                QStringLiteral("61 à 90 jours"), QStringLiteral("Plus de 90 jours"),
                                QStringLiteral("Total")};
    for (int c = 0; c < titles.size(); ++c)
        grid.set(0, c, titles[c]);
    int r = 1;
    const auto put = [&](const AgedRow &row) {
        grid.set(r, 0, row.account);
        grid.set(r, 1, row.label);
        for (int b = 0; b < kAgeBuckets; ++b)
            grid.set(r, 2 + b, forms::formatAmount(row.buckets[std::size_t(b)]));
        grid.set(r, 2 + kAgeBuckets, forms::formatAmount(row.total));
        ++r;
    };
    for (const AgedRow &row : balance.rows)
        put(row);
    put(balance.total);
    return grid;
}

} // namespace lettering
