#include "ledger/AmountTotal.h"
#include "ledger/MonthLines.h"
#include "reports/AccountRows.h"
#include "reports/ChartLabels.h"
#include "reports/CodeSelector.h"
#include "reports/MonthViews.h"
#include "reports/ViewTotals.h"

namespace reports {

using monthlines::Column;

QString LitGeneral(MonthViewPage &page, const LineList &lines, int year, int month, const ReferenceData &ref)
{
    page.title = forms::monthCaption(forms::monthName(month), year);
    page.name = journalName(ref.ListeJnx, page.filter);
    const CodeSelector selector = CodeSelector::forJournal(page.filter);
    AccountRows accounts;
    forEachListedEntry(lines, year, month, [&](const monthlines::Entry &entry) {
        if (!selector.matches(entry[Column::Journal]))
            return;
        AccountRows::Row &row = accounts.rowFor(entry[Column::Account]);
        row.date = entry[Column::Date];
        row.journal = entry[Column::Journal];
        row.debit.add(entry[Column::Debit]);
        row.credit.add(entry[Column::Credit]);
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
