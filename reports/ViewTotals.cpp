#include "reports/ViewTotals.h"

#include "ledger/AmountTotal.h"
#include "ledger/MonthLines.h"

namespace reports {
namespace {

using monthlines::Column;
using monthlines::gridColumn;

QString noTotals(MonthViewPage &page, const QString &why)
{
    page.totalDebit.clear();
    page.totalCredit.clear();
    return why;
}

QString fillTotals(MonthViewPage &page, int debitColumn, int creditColumn)
{
    const TextGrid &grid = page.grid;
    AmountTotal sums[2];
    const int columns[2] = {debitColumn, creditColumn};
    for (int r = 1; r < grid.rowCount(); ++r) {
        for (int i = 0; i < 2; ++i) {
            const QStringView cell = QStringView(grid.at(r, columns[i])).trimmed();
            if (cell.isEmpty())
                continue;
            const std::optional<Cents> value = forms::parseAmount(cell);
            if (!value)
                return noTotals(page, forms::notANumber(cell));
            sums[i].add(*value);
        }
    }
    if (!sums[0].computed() || !sums[1].computed())
        return noTotals(page, forms::totalTooLarge());
    page.totalDebit = forms::Rset(sums[0].text());
    page.totalCredit = forms::Rset(sums[1].text());
    return {};
}

} // namespace

QString Total3(MonthViewPage &journal)
{
    return fillTotals(journal, gridColumn(Column::Debit), gridColumn(Column::Credit));
}

QString Total2(MonthViewPage &generalLedger)
{
    return fillTotals(generalLedger, gridColumn(Column::Debit), gridColumn(Column::Credit));
}

// The general journal's own grid: one row per account, the sums in columns 4 and 5.
QString Total4(MonthViewPage &generalJournal)
{
    return fillTotals(generalJournal, 4, 5);
}

} // namespace reports
