#pragma once

#include "calculators/Schedule.h"

#include <QStringList>

// The rows of the window's grid that a schedule fills, from row 1 down to its
// totals, each row's five cells joined by "|".
inline QStringList scheduleRows(const Schedule &schedule)
{
    TextGrid grid = schedulegrid::make({});
    schedulegrid::fill(grid, schedule);
    QStringList rows;
    for (int r = 1; r <= schedulegrid::lastRow(schedule); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.colCount(); ++c)
            cells.append(grid.at(r, c));
        rows.append(cells.join(u'|'));
    }
    return rows;
}
