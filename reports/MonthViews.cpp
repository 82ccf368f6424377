#include "reports/MonthViews.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "reports/ChartLabels.h"
#include "reports/EntryWalk.h"
#include "reports/CodeSelector.h"
#include "reports/ViewTotals.h"

namespace reports {
namespace {

// Lists the selected entries of the month, one per row from row 1, every
// column as stored and the amounts right-aligned.
void listEntries(MonthViewPage &page, const LineList &lines, int annee, int mois, int filterColumn,
                 const CodeSelector &selector)
{
    page.title = forms::monthCaption(forms::moisLong(mois), annee);
    TextGrid &grid = page.grid;
    grid.clearRows(1, 0, 7);
    int row = 0;
    forEachEntryOfMonth(lines, forms::monthKey(annee, mois), [&](const Entry &entry) {
        if (!selector.matches(entry.cells[std::size_t(filterColumn)]))
            return;
        grid.growFor(++row);
        for (int c = 0; c < 8; ++c) {
            const QString text = cp1252::decode(entry.cells[std::size_t(c)]);
            grid.set(row, c, c == 5 || c == 6 ? forms::rset(text) : text);
        }
    });
    grid.touch();
}

} // namespace

QString LitJnl(MonthViewPage &page, const LineList &lines, int annee, int mois, const ReferenceData &ref)
{
    page.name = journalName(ref.ListeJnx, page.filter);
    listEntries(page, lines, annee, mois, 3, CodeSelector::forJournal(page.filter));
    return Total3(page);
}

QString LitCpt(MonthViewPage &page, const LineList &lines, int annee, int mois, const ReferenceData &ref)
{
    page.name.clear();
    if (!page.filter.isEmpty() && page.filter != kTous)
        page.name = accountLabel(ref.ListePlc, forms::completeAccount(page.filter));
    listEntries(page, lines, annee, mois, 1, CodeSelector::forAccount(page.filter));
    return Total2(page);
}

} // namespace reports
