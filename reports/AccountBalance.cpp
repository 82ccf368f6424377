#include "reports/AccountBalance.h"

#include "ledger/AmountTotal.h"
#include "ledger/MonthLines.h"
#include "reports/AccountRows.h"
#include "reports/UnreadAmounts.h"

#include <algorithm>
#include <array>

namespace reports {
namespace {

constexpr int kColumns = 6;

Cents amountOf(const QString &cell)
{
    return forms::parseAmount(QStringView(cell)).value_or(0);
}

QString noTotals(BalancePage &page)
{
    for (QString *field : {&page.totalDebit, &page.totalCredit, &page.totalDebitBalances, &page.totalCreditBalances})
        field->clear();
    return forms::totalTooLarge();
}

// The account rows run from row 1 to the last row with an account or an
// amount. Entries without an account share a row that may hold neither (a
// note imported with a date and a label only); stopping there would leave
// every account met after it without its balance.
int lastAccountRow(const TextGrid &grid)
{
    int last = grid.rowCount() - 1;
    while (last >= 1 && grid.at(last, 0).isEmpty() && grid.at(last, 2).isEmpty() && grid.at(last, 3).isEmpty())
        --last;
    return last;
}

QString subtotalCaption(const QString &account)
{
    return account.isEmpty() ? QStringLiteral("Total sans compte") : QStringLiteral("Total classe ") + account.front();
}

// After the accounts sharing a first character, a row with the sums of their
// four amount columns, aligned as the accounts' amounts are, its caption in
// the label's column, wide enough to show it. False when a sum goes past what
// the amount reader accepts.
bool insertClassSubtotals(BalancePage &page)
{
    TextGrid &grid = page.grid;
    const int last = lastAccountRow(grid);
    std::vector<std::array<QString, kColumns>> rows;
    std::array<AmountTotal, 4> sums{};
    bool computed = true;
    for (int r = 1; r <= last; ++r) {
        std::array<QString, kColumns> &row = rows.emplace_back();
        for (int c = 0; c < kColumns; ++c)
            row[std::size_t(c)] = grid.at(r, c);
        for (int c = 0; c < 4; ++c)
            sums[std::size_t(c)].add(amountOf(grid.at(r, c + 2)));
        const QString &account = grid.at(r, 0);
        if (r < last && grid.at(r + 1, 0).left(1) == account.left(1))
            continue;
        for (const AmountTotal &sum : sums)
            computed = computed && sum.computed();
        rows.push_back({QString(), subtotalCaption(account), forms::Rset(sums[0].text()), forms::Rset(sums[1].text()),
                        sums[2].text(), sums[3].text()});
        sums = {};
        page.subtotalRows.push_back(int(rows.size()));
    }
    grid.clearRows(1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int r = int(i) + 1;
        grid.growFor(r);
        for (int c = 0; c < kColumns; ++c)
            grid.set(r, c, rows[i][std::size_t(c)]);
    }
    grid.touch();
    return computed;
}

} // namespace

QString LitBalance(BalancePage &page, const LineList &lines, const ReferenceData &ref)
{
    const std::string from = forms::dateKey(page.from).toStdString();
    const std::string to = forms::dateKey(page.to).toStdString();
    AccountRows accounts;
    UnreadAmounts unread;
    monthlines::forEachEntry(lines, monthlines::Cells::Whole, [&](const monthlines::Entry &entry) {
        using monthlines::Column;
        const std::string key = forms::dateKey(entry[Column::Date]);
        if (key < from || key > to)
            return;
        AccountRows::Row &row = accounts.rowFor(entry[Column::Account]);
        row.debit.add(entry[Column::Debit]);
        row.credit.add(entry[Column::Credit]);
        unread.read(entry, entry[Column::Debit]);
        unread.read(entry, entry[Column::Credit]);
    });

    if (page.order.byAccount())
        accounts.sortByAccount();
    page.subtotalRows.clear();
    accounts.writeTo(page.grid, ref.ListePlc, {-1, 0, 1, -1, 2, 3});
    const QString message = Total5(page);
    if (!accounts.allComputed()) {
        // An account whose sum could not be made shows an empty cell, which
        // the balance would read as zero: its balance is not known either.
        for (std::size_t i = 0; i < accounts.rows().size(); ++i) {
            const AccountRows::Row &row = accounts.rows()[i];
            if (!row.debit.computed() || !row.credit.computed()) {
                page.grid.set(int(i) + 1, 4, QString());
                page.grid.set(int(i) + 1, 5, QString());
            }
        }
        return noTotals(page);
    }
    if (page.order.classSubtotals() && !insertClassSubtotals(page))
        return noTotals(page);
    return message.isEmpty() ? unread.message() : message;
}

QString Total5(BalancePage &page)
{
    TextGrid &grid = page.grid;
    const auto isSubtotal = [&page](int r) {
        return std::find(page.subtotalRows.begin(), page.subtotalRows.end(), r) != page.subtotalRows.end();
    };
    const int last = lastAccountRow(grid);
    bool computed = true;
    for (int r = 1; r <= last; ++r) {
        if (isSubtotal(r))
            continue;
        AmountTotal balance(amountOf(grid.at(r, 2)));
        balance.subtract(AmountTotal(amountOf(grid.at(r, 3))));
        computed = computed && balance.computed();
        const bool debit = balance.value() > 0;
        grid.set(r, 4, debit && balance.computed() ? balance.text() : QString());
        grid.set(r, 5, debit || !balance.computed() ? QString() : forms::formatAmount(-balance.value()));
    }
    AmountTotal sums[4];
    for (int r = 1; r < grid.rowCount(); ++r)
        if (!isSubtotal(r))
            for (int c = 0; c < 4; ++c)
                sums[c].add(amountOf(grid.at(r, c + 2)));
    grid.touch();
    for (const AmountTotal &sum : sums)
        computed = computed && sum.computed();
    if (!computed)
        return noTotals(page);
    QString *fields[4] = {&page.totalDebit, &page.totalCredit, &page.totalDebitBalances, &page.totalCreditBalances};
    for (int c = 0; c < 4; ++c)
        *fields[c] = forms::Rset(sums[c].text());
    return {};
}

} // namespace reports
