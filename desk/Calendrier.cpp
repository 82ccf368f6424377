#include "desk/Calendrier.h"

#include "ledger/TextForms.h"

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

} // namespace calendrier
