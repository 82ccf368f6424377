#include "desk/Calendrier.h"

#include "ledger/TextForms.h"

#include <algorithm>

namespace calendrier {

QString titre(QDate date)
{
    return forms::monthName(date.month()).toLower() + QStringLiteral("  ") + QString::number(date.year());
}

QDate moisPrecedent(QDate date)
{
    return date.addMonths(-1);
}

QDate moisSuivant(QDate date)
{
    return date.addMonths(1);
}

QDate dayWithinMonth(QDate date, int days)
{
    const int day = std::clamp(date.day() + days, 1, date.daysInMonth());
    return QDate(date.year(), date.month(), day);
}

} // namespace calendrier
