#include "entry/MonthTotals.h"

#include "ledger/TextForms.h"

MonthTotals monthTotals(const TextGrid &grid)
{
    Cents sums[2] = {0, 0};
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int i = 0; i < 2; ++i) {
            const QStringView cell = QStringView(grid.at(r, 5 + i)).trimmed();
            if (cell.isEmpty())
                continue;
            const std::optional<Cents> value = forms::parseAmount(cell);
            if (!value)
                return {{}, {}, forms::notANumber(cell)};
            sums[i] += *value;
        }
    }
    return {forms::rset(forms::formatAmount(sums[0])), forms::rset(forms::formatAmount(sums[1])), {}};
}
