#pragma once

#include <QDate>
#include <QString>

// The calendar tool's rules: the title over the month grid and the month
// buttons. The calendar only shows dates; nothing is chosen or kept.
namespace calendartool {

// The month and year of a date as the title shows them: the French month
// name in small letters, two blanks, the year ("mars  2002").
QString title(QDate date);

// The same day one month earlier or later; the month's last day when the
// month is shorter (31 March, next month, gives 30 April). The year follows
// across December and January.
QDate previousMonth(QDate date);
QDate nextMonth(QDate date);

// The date `days` away, held to the first or last day of its month: the
// arrow keys move the day within the month shown, never out of it.
QDate dayWithinMonth(QDate date, int days);

} // namespace calendartool
