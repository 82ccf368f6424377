#include "calculators/DueDate.h"

DueDate::DueDate(QDate today)
    : day_(today.day()), month_(today.month()), year_(today.year())
{
}

void DueDate::advance()
{
    if (++month_ > 12) {
        month_ = 1;
        ++year_;
    }
}

QString DueDate::text() const
{
    return QStringLiteral("%1/%2/%3").arg(day_, 2, 10, QLatin1Char('0')).arg(month_, 2, 10, QLatin1Char('0')).arg(year_);
}
