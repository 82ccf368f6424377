#include "lettering/AgedBalance.h"

#include "ledger/Codec1252.h"
#include "ledger/CodeList.h"
#include "ledger/LetteringCell.h"
#include "ledger/MonthLines.h"
#include "ledger/TextGrid.h"
#include "ledger/YearEntries.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

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
    using monthlines::Column;
    // One walk of the year's lines, their cells left as bytes: a dashboard
    // asks for it at every refresh.
    const std::string start = cp1252::encode(prefix);
    std::unordered_map<std::string_view, AgedRow> rows;
    AgedBalance balance;
    balance.total.account = QStringLiteral("Total");
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &e) {
        const std::string_view account = e[Column::Account];
        if (account.empty() || !account.starts_with(start))
            return;
        const QDate date = yearentries::storedDate(e[Column::Date]);
        if (!date.isValid() || date > at)
            return;
        // A group is completed on its lettering date, the day of its latest
        // line: before it, its lines are open.
        const std::optional<letteringcell::LetteringView> lettering = letteringcell::view(e[Column::Lettering]);
        if (lettering && lettering->date <= at)
            return;
        const Cents amount =
            forms::parseAmount(e[Column::Debit]).value_or(0) - forms::parseAmount(e[Column::Credit]).value_or(0);
        if (amount == 0)
            return;
        const std::size_t bucket = std::size_t(ageBucket(date, at));
        for (AgedRow *sums : {&rows[account], &balance.total}) {
            sums->buckets[bucket] += amount;
            sums->total += amount;
        }
    });
    for (auto &[account, row] : rows) {
        row.account = cp1252::decode(account);
        const qsizetype found = chart.findAccount(row.account);
        if (found != CodeList::npos)
            row.label = chart.label(found);
        balance.rows.push_back(std::move(row));
    }
    std::sort(balance.rows.begin(), balance.rows.end(),
              [](const AgedRow &a, const AgedRow &b) { return a.account < b.account; });
    return balance;
}

QString ageCaption(int bucket)
{
    static const QString captions[kAgeBuckets] = {QStringLiteral("0 à 30 jours"), QStringLiteral("31 à 60 jours"),
                                                  QStringLiteral("61 à 90 jours"), QStringLiteral("Plus de 90 jours")};
    return captions[bucket];
}

TextGrid agedBalanceGrid(const AgedBalance &balance)
{
    TextGrid grid(int(balance.rows.size()) + 2, 3 + kAgeBuckets);
    QStringList titles = {QStringLiteral("Compte"), QStringLiteral("Libellé")};
    for (int b = 0; b < kAgeBuckets; ++b)
        titles << ageCaption(b);
    titles << QStringLiteral("Total");
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
