#include "entry/MonthTotals.h"

#include "ledger/AmountTotal.h"
#include "ledger/MonthLines.h"

MonthTotals monthTotals(const TextGrid &grid)
{
    using monthlines::Column;
    constexpr Column kSides[2] = {Column::Debit, Column::Credit};
    AmountTotal sums[2];
    for (int r = 0; r < grid.rowCount(); ++r) {
        for (int i = 0; i < 2; ++i) {
            const QStringView cell = QStringView(grid.at(r, monthlines::gridColumn(kSides[i]))).trimmed();
            if (cell.isEmpty())
                continue;
            const std::optional<Cents> value = forms::parseAmount(cell);
            if (!value)
                return {{}, {}, forms::notANumber(cell)};
            sums[i].add(*value);
        }
    }
    if (!sums[0].computed() || !sums[1].computed())
        return {{}, {}, forms::totalTooLarge()};
    return {forms::Rset(sums[0].text()), forms::Rset(sums[1].text()), {}, sums[0].value() == sums[1].value()};
}
