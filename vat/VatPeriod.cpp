#include "vat/VatPeriod.h"

#include "ledger/TextForms.h"

namespace vat {

Period monthPeriod(int year, int month)
{
    const QDate first(year, month, 1);
    return {first, first.addMonths(1).addDays(-1), forms::monthCaption(forms::monthName(month), year)};
}

Period quarterPeriod(int year, int quarter)
{
    const QDate first(year, 3 * (quarter - 1) + 1, 1);
    const QString ordinal = quarter == 1 ? QStringLiteral("1er") : QStringLiteral("%1e").arg(quarter);
    return {first, first.addMonths(3).addDays(-1), QStringLiteral("%1 trimestre %2").arg(ordinal).arg(year)};
}

Period datesPeriod(QDate from, QDate to)
{
    return {from, to, QStringLiteral("du %1 au %2").arg(forms::formatDate(from), forms::formatDate(to))};
}

QString datesRefusal(QDate from, QDate to)
{
    if (!from.isValid() || !to.isValid())
        return QStringLiteral("Les deux dates de la période doivent être des dates JJ/MM/AAAA.");
    if (from > to)
        return QStringLiteral("La période commence le %1, après sa fin le %2.")
            .arg(forms::formatDate(from), forms::formatDate(to));
    return {};
}

std::vector<Period> yearMonths(const FiscalYear &year)
{
    std::vector<Period> months;
    if (!year.start.isValid() || !year.end.isValid())
        return months;
    for (QDate first(year.start.year(), year.start.month(), 1); first <= year.end; first = first.addMonths(1))
        months.push_back(monthPeriod(first.year(), first.month()));
    return months;
}

std::vector<Period> yearQuarters(const FiscalYear &year)
{
    std::vector<Period> quarters;
    if (!year.start.isValid() || !year.end.isValid())
        return quarters;
    for (Period q = quarterPeriod(year.start.year(), (year.start.month() + 2) / 3); q.from <= year.end;
         q = quarterPeriod(q.to.addDays(1).year(), (q.to.addDays(1).month() + 2) / 3))
        quarters.push_back(q);
    return quarters;
}

std::size_t lastCompleteMonth(const std::vector<Period> &months, QDate today)
{
    std::size_t chosen = 0;
    for (std::size_t i = 0; i < months.size(); ++i)
        if (months[i].to < today)
            chosen = i;
    return chosen;
}

std::size_t quarterOf(const std::vector<Period> &quarters, const Period &month)
{
    for (std::size_t i = 0; i < quarters.size(); ++i)
        if (quarters[i].from <= month.from && month.from <= quarters[i].to)
            return i;
    return 0;
}

} // namespace vat
