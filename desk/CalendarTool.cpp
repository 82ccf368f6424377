#include "desk/CalendarTool.h"

#include "ledger/TextForms.h"

#include <algorithm>

namespace calendartool {

QString title(QDate date)
{
    return forms::monthName(date.month()).toLower() + QStringLiteral("  ") + QString::number(date.year());
}

QDate previousMonth(QDate date)
{
    return date.addMonths(-1);
}

QDate nextMonth(QDate date)
{
    return date.addMonths(1);
}

QDate dayWithinMonth(QDate date, int days)
{
    const int day = std::clamp(date.day() + days, 1, date.daysInMonth());
    return QDate(date.year(), date.month(), day);
}

} // namespace calendartool
