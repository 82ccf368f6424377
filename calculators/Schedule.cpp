#include "calculators/Schedule.h"

#include "calculators/NumberText.h"

#include <cmath>

std::optional<Refusal> readNumber(const QString &text, double &value)
{
    if (text.isEmpty()) {
        value = 0;
        return std::nullopt;
    }
    const std::optional<double> number = numbers::parse(text);
    if (!number)
        return Refusal{numbers::invalidNumberMessage(text)};
    value = *number;
    return std::nullopt;
}

namespace schedulegrid {

TextGrid make(const QStringList &titles)
{
    TextGrid grid(standardRows, int(columnWidths.size()));
    for (int col = 0; col < grid.colCount() && col < titles.size(); ++col)
        grid.set(0, col, titles[col]);
    return grid;
}

void fill(TextGrid &grid, const Schedule &schedule)
{
    grid.clearRows(1);
    const int last = lastRow(schedule);
    if (last >= grid.rowCount())
        grid.addRows(last + 1 - grid.rowCount());
    int row = 1;
    for (const ScheduleRow &month : schedule.rows) {
        grid.set(row, 0, QString::number(row));
        grid.set(row, 1, month.date);
        for (int i = 0; i < 3; ++i)
            grid.set(row, 2 + i, numbers::fixed2(month.amounts[std::size_t(i)]));
        ++row;
    }
    if (schedule.totals) {
        const int totals = schedule.totalsRow();
        grid.set(totals, 1, QStringLiteral("Totaux"));
        for (int i = 0; i < 3; ++i)
            grid.set(totals, 2 + i, numbers::fixed2((*schedule.totals)[std::size_t(i)]));
    }
    grid.touch();
}

int lastRow(const Schedule &schedule)
{
    return schedule.totals ? schedule.totalsRow() : 0;
}

} // namespace schedulegrid

bool Schedule::finite() const
{
    const auto finiteAmounts = [](const std::array<double, 3> &amounts) {
        return std::isfinite(amounts[0]) && std::isfinite(amounts[1]) && std::isfinite(amounts[2]);
    };
    for (const ScheduleRow &row : rows)
        if (!finiteAmounts(row.amounts))
            return false;
    return !totals || finiteAmounts(*totals);
}
