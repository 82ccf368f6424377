#include "reports/AccountBalance.h"

#include "ledger/AmountTotal.h"
#include "reports/AccountRows.h"
#include "reports/EntryWalk.h"

namespace reports {
namespace {

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

} // namespace

QString LitBalance(BalancePage &page, const LineList &lines, const ReferenceData &ref)
{
    const std::string from = forms::dateKey(page.from).toStdString();
    const std::string to = forms::dateKey(page.to).toStdString();
    AccountRows accounts;
    forEachEntry(lines, [&](const Entry &entry) {
        const std::string key = forms::dateKey(entry.date());
        if (key < from || key > to)
            return;
        AccountRows::Row &row = accounts.rowFor(entry.account());
        row.debit.add(entry.debit());
        row.credit.add(entry.credit());
    });

    accounts.writeTo(page.grid, ref.ListePlc, {-1, 0, 1, -1, 2, 3});
    const QString message = Total5(page);
    if (accounts.allComputed())
        return message;
    // An account whose sum could not be made shows an empty cell, which the
    // balance would read as zero: its balance is not known either.
    for (std::size_t i = 0; i < accounts.rows().size(); ++i) {
        const AccountRows::Row &row = accounts.rows()[i];
        if (!row.debit.computed() || !row.credit.computed()) {
            page.grid.set(int(i) + 1, 4, QString());
            page.grid.set(int(i) + 1, 5, QString());
        }
    }
    return noTotals(page);
}

QString Total5(BalancePage &page)
{
    TextGrid &grid = page.grid;
    // The account rows run from row 1 to the last row with an account or an
    // amount. Entries without an account share a row that may hold neither
    // (a note imported with a date and a label only); stopping there would
    // leave every account met after it without its balance.
    int last = grid.rowCount() - 1;
    while (last >= 1 && grid.at(last, 0).isEmpty() && grid.at(last, 2).isEmpty() && grid.at(last, 3).isEmpty())
        --last;
    bool computed = true;
    for (int r = 1; r <= last; ++r) {
        AmountTotal balance(amountOf(grid.at(r, 2)));
        balance.subtract(AmountTotal(amountOf(grid.at(r, 3))));
        computed = computed && balance.computed();
        const bool debit = balance.value() > 0;
        grid.set(r, 4, debit && balance.computed() ? balance.text() : QString());
        grid.set(r, 5, debit || !balance.computed() ? QString() : forms::formatAmount(-balance.value()));
    }
    AmountTotal sums[4];
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c = 0; c < 4; ++c)
            sums[c].add(amountOf(grid.at(r, c + 2)));
    grid.touch();
    for (const AmountTotal &sum : sums)
        computed = computed && sum.computed();
    if (!computed)
        return noTotals(page);
    QString *fields[4] = {&page.totalDebit, &page.totalCredit, &page.totalDebitBalances, &page.totalCreditBalances};
    for (int c = 0; c < 4; ++c)
        *fields[c] = forms::rset(sums[c].text());
    return {};
}

} // namespace reports
