#pragma once

#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "yearend/EntryChecks.h"

#include <QDate>
#include <QString>
#include <vector>

// "Valider les écritures": the entries dated up to a day become final, once
// they pass the checks. The validation is recorded in the header with the
// day it was made and the fingerprint of the entries it covers.
namespace yearend {

// The day proposed: the end of the month before today's, kept inside the
// fiscal year.
QDate proposedValidationDate(const FiscalYear &year, QDate today);

// Why the entries cannot be validated up to that day: a day outside the
// fiscal year, or one already validated. Empty when they can.
QString validationDateRefusal(const FiscalYear &year, QDate upTo);

struct ValidationOutcome {
    std::vector<Problem> problems; // nothing was validated when there is one
    int validated = 0;             // écritures made final
    int validatedLines = 0;        // their lines
};

// Checks the entries dated after the last validation up to `upTo` and, when
// none has a problem, adds the validation made `today` to the year. The day
// must be one validationDateRefusal accepts.
ValidationOutcome validateEntries(const LineList &lines, const ReferenceData &ref, FiscalYear &year, QDate upTo,
                                  QDate today);

// What the user is told: the count of écritures validated and of their lines
// ("134 écritures (395 lignes) validées"), or why nothing was,
// the problems listed (at most `shown` of them).
QString validationMessage(const ValidationOutcome &outcome, QDate upTo, int shown);

// The closing made final: the whole year validated (with the checks) and its
// closing date set to its end, after which the year is closed. The outcome's
// problems say why it was not.
ValidationOutcome closeDefinitively(const LineList &lines, const ReferenceData &ref, FiscalYear &year, QDate today);
QString definitiveClosingMessage(const ValidationOutcome &outcome, const FiscalYear &year, int shown);

} // namespace yearend
