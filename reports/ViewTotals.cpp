#include "reports/ViewTotals.h"

#include "ledger/TextForms.h"

namespace reports {
namespace {

QString fillTotals(MonthViewPage &page, int debitColumn, int creditColumn)
{
    const TextGrid &grid = page.grid;
    Cents sums[2] = {0, 0};
    const int columns[2] = {debitColumn, creditColumn};
    for (int r = 1; r < grid.rowCount(); ++r) {
        for (int i = 0; i < 2; ++i) {
            const QStringView cell = QStringView(grid.at(r, columns[i])).trimmed();
            if (cell.isEmpty())
                continue;
            const std::optional<Cents> value = forms::parseAmount(cell);
            if (!value) {
                page.totalDebit.clear();
                page.totalCredit.clear();
                return forms::notANumber(cell);
            }
            sums[i] += *value;
        }
    }
    page.totalDebit = forms::rset(forms::formatAmount(sums[0]));
    page.totalCredit = forms::rset(forms::formatAmount(sums[1]));
    return {};
}

} // namespace

QString Total3(MonthViewPage &journal) { return fillTotals(journal, 5, 6); }
QString Total2(MonthViewPage &comptes) { return fillTotals(comptes, 5, 6); }
QString Total4(MonthViewPage &general) { return fillTotals(general, 4, 5); }

} // namespace reports
