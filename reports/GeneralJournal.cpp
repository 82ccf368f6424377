#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "reports/AccountRows.h"
#include "reports/ChartLabels.h"
#include "reports/CodeSelector.h"
#include "reports/EntryWalk.h"
#include "reports/MonthViews.h"
#include "reports/ViewTotals.h"

namespace reports {

QString LitGeneral(MonthViewPage &page, const LineList &lines, int annee, int mois, const ReferenceData &ref)
{
    page.title = forms::monthCaption(forms::moisLong(mois), annee);
    page.name = journalName(ref.ListeJnx, page.filter);
    const CodeSelector selector = CodeSelector::forJournal(page.filter);
    AccountRows accounts;
    forEachEntryOfMonth(lines, forms::monthKey(annee, mois), [&](const Entry &entry) {
        if (!selector.matches(entry.journal()))
            return;
        AccountRows::Row &row = accounts.rowFor(entry.account());
        row.date = entry.date();
        row.journal = entry.journal();
        row.debit.add(entry.debit());
        row.credit.add(entry.credit());
    });

    TextGrid &grid = page.grid;
    grid.clearRows(1, 0, 5);
    int r = 0;
    for (const AccountRows::Row &row : accounts.rows()) {
        grid.growFor(++r);
        const QString account = cp1252::decode(row.account);
        grid.set(r, 0, cp1252::decode(row.date));
        grid.set(r, 1, account);
        grid.set(r, 2, accountLabel(ref.ListePlc, account));
        grid.set(r, 3, cp1252::decode(row.journal));
        grid.set(r, 4, row.debit.text());
        grid.set(r, 5, row.credit.text());
    }
    grid.touch();
    return Total4(page);
}

} // namespace reports
