#include "yearend/NextYear.h"

#include "exchange/Import.h"
#include "yearend/Closing.h"

namespace yearend {

FiscalYear followingYear(const FiscalYear &year)
{
    const QDate start = year.end.addDays(1);
    const int months = (year.end.year() - year.start.year()) * 12 + year.end.month() - year.start.month() + 1;
    QDate end = start.addMonths(months).addDays(-1);
    if (year.start.day() != 1)
        end = start.addDays(year.start.daysTo(year.end));
    return FiscalYear{start, end, start};
}

NextYearDossier nextYearDossier(const LineList &lines, const FiscalYear &year, const CodeList &chart)
{
    NextYearDossier next;
    if (closingRefusal(year).isEmpty()) {
        next.error = QStringLiteral("L'exercice n'est pas clôturé définitivement : l'exercice suivant ne peut pas "
                                    "encore être ouvert.");
        return next;
    }
    const OpeningEntries entries = openingEntries(lines, year, chart);
    if (!entries.error.isEmpty()) {
        next.error = entries.error;
        return next;
    }
    next.year = followingYear(year);
    header::write(next.lines, next.year);
    const exchange::ImportSummary imported = exchange::importEntries(entries.text, next.lines, next.year);
    next.openingEntries = imported.entries;
    return next;
}

} // namespace yearend
