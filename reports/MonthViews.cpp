#include "reports/MonthViews.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "reports/ChartLabels.h"
#include "reports/CodeSelector.h"
#include "reports/ViewTotals.h"

#include <algorithm>

namespace reports {
namespace {

using monthlines::Column;

// Lists the selected entries of the month, one per row from row 1, every
// column the page's grid has, as stored, and the amounts right-aligned.
void listEntries(MonthViewPage &page, const LineList &lines, int year, int month, Column filterColumn,
                 const CodeSelector &selector)
{
    page.title = forms::monthCaption(forms::monthName(month), year);
    TextGrid &grid = page.grid;
    grid.clearRows(1);
    const int columns = std::min(grid.colCount(), monthlines::kColumnCount);
    int row = 0;
    forEachListedEntry(lines, year, month, [&](const monthlines::Entry &entry) {
        if (!selector.matches(entry[filterColumn]))
            return;
        grid.growFor(++row);
        for (int c = 0; c < columns; ++c) {
            const auto column = static_cast<Column>(c);
            const QString text = cp1252::decode(entry[column]);
            grid.set(row, c, column == Column::Debit || column == Column::Credit ? forms::Rset(text) : text);
        }
    });
    grid.touch();
}

} // namespace

QString LitJnl(MonthViewPage &page, const LineList &lines, int year, int month, const ReferenceData &ref)
{
    page.name = journalName(ref.ListeJnx, page.filter);
    listEntries(page, lines, year, month, Column::Journal, CodeSelector::forJournal(page.filter));
    return Total3(page);
}

QString LitCpt(MonthViewPage &page, const LineList &lines, int year, int month, const ReferenceData &ref)
{
    page.name.clear();
    if (!page.filter.isEmpty() && page.filter != kAllCodes)
        page.name = accountLabel(ref.ListePlc, forms::completeAccount(page.filter));
    listEntries(page, lines, year, month, Column::Account, CodeSelector::forAccount(page.filter));
    return Total2(page);
}

} // namespace reports
