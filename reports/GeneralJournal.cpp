#include "ledger/AmountTotal.h"
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

    accounts.writeTo(page.grid, ref.ListePlc, {0, 1, 2, 3, 4, 5});
    if (!accounts.allComputed()) {
        page.totalDebit.clear();
        page.totalCredit.clear();
        return forms::totalTooLarge();
    }
    return Total4(page);
}

} // namespace reports
