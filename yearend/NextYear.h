#pragma once

#include "ledger/CodeList.h"
#include "ledger/Header.h"
#include "ledger/LineList.h"

#include <QString>

// The next year's dossier, made in one step from a year closed for good: its
// header, and the closing's opening entries imported on its first day.
namespace yearend {

// The year that follows: from the day after this one ends, as many months
// long (a year ending on a month's last day gives one that does too).
FiscalYear followingYear(const FiscalYear &year);

struct NextYearDossier {
    LineList lines;
    FiscalYear year;
    int openingEntries = 0; // lines of the opening entries imported
    QString error; // French: why there is no dossier; `lines` then empty
};

// "L'exercice n'est pas clôturé définitivement : …" for a year still open;
// the closing's refusal when its lines are not those of the year.
NextYearDossier nextYearDossier(const LineList &lines, const FiscalYear &year, const CodeList &chart);

} // namespace yearend
