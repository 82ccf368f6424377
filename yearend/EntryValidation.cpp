#include "yearend/EntryValidation.h"

#include "yearend/BookEntries.h"
#include "yearend/EntryGroups.h"
#include "yearend/Fingerprint.h"
#include "ledger/YearEntries.h"

#include <algorithm>

namespace yearend {
namespace {

QString entryCount(int groups, int lines)
{
    if (groups == 0)
        return QStringLiteral("aucune écriture validée");
    const QString lineCount = lines == 1 ? QStringLiteral("1 ligne") : QStringLiteral("%1 lignes").arg(lines);
    return groups == 1 ? QStringLiteral("1 écriture (%1) validée").arg(lineCount)
                       : QStringLiteral("%1 écritures (%2) validées").arg(groups).arg(lineCount);
}

// The lines that are no entry of the year, or that the readers would read
// differently: nothing is made final while one remains, since the
// fingerprint would then cover other entries than the statements count.
std::vector<Problem> strayProblems(const LineList &lines, const FiscalYear &year)
{
    std::vector<Problem> problems;
    for (const yearentries::Stray &stray : yearentries::strayLines(lines, year))
        problems.push_back({std::stoi(stray.key), stray.row, stray.reason});
    return problems;
}

} // namespace

QDate proposedValidationDate(const FiscalYear &year, QDate today)
{
    const QDate endOfLastMonth = QDate(today.year(), today.month(), 1).addDays(-1);
    return std::clamp(endOfLastMonth, year.start, std::max(year.start, year.end));
}

QString validationDateRefusal(const FiscalYear &year, QDate upTo)
{
    if (!upTo.isValid())
        return QStringLiteral("Date invalide");
    if (upTo < year.start || upTo > year.end)
        return QStringLiteral("La date doit être dans l'exercice, du %1 au %2.")
            .arg(forms::formatDate(year.start), forms::formatDate(year.end));
    const QDate until = year.finalUntil();
    if (until.isValid() && upTo <= until)
        return validation::periodValidated(until) + u'.';
    return {};
}

ValidationOutcome validateEntries(const LineList &lines, const ReferenceData &ref, FiscalYear &year, QDate upTo,
                                  QDate today)
{
    const std::vector<BookEntry> entries = bookEntries(lines);
    const Period period{validation::validatedUntil(year.validations), upTo};
    ValidationOutcome outcome;
    outcome.problems = strayProblems(lines, year);
    if (!outcome.problems.empty())
        return outcome;
    const std::vector<std::size_t> booked = bookedLines(entries, period);
    const EntryGroups groups = groupEntries(entries, booked);
    outcome.problems = checkEntries(entries, ref, period, groups);
    if (!outcome.problems.empty())
        return outcome;
    outcome.validated = int(groups.count());
    outcome.validatedLines = int(booked.size());
    // The first validation gives the dossier its identity, under which the
    // register keeps its validations; records from then on are chained.
    if (year.dossierId.empty()) {
        year.dossierId = validation::newDossierId();
        year.chainedFrom = year.validations.size();
    }
    const std::string entriesFingerprint = fingerprint(entries, period);
    year.validations.push_back({upTo, today, {}, {}});
    year.validations.back().fingerprint =
        recordFingerprint(year.validations, year.validations.size() - 1, year.chainedFrom, entriesFingerprint);
    year.validations.back().months = monthPrints(entries, period);
    return outcome;
}

QString validationMessage(const ValidationOutcome &outcome, QDate upTo, int shown)
{
    if (!outcome.problems.empty())
        return QStringLiteral("Les écritures ne sont pas validées. Corrigez d'abord :\n")
               + listProblems(outcome.problems, shown);
    return QStringLiteral("Validation jusqu'au %1 : %2.").arg(forms::formatDate(upTo), entryCount(outcome.validated, outcome.validatedLines));
}

ValidationOutcome closeDefinitively(const LineList &lines, const ReferenceData &ref, FiscalYear &year, QDate today)
{
    ValidationOutcome outcome;
    outcome.problems = strayProblems(lines, year);
    if (!outcome.problems.empty())
        return outcome;
    const QDate until = validation::validatedUntil(year.validations);
    if (!until.isValid() || until < year.end) {
        outcome = validateEntries(lines, ref, year, year.end, today);
        if (!outcome.problems.empty())
            return outcome;
    }
    year.closing = year.end;
    return outcome;
}

QString definitiveClosingMessage(const ValidationOutcome &outcome, const FiscalYear &year, int shown)
{
    if (!outcome.problems.empty())
        return QStringLiteral("L'exercice n'est pas clôturé définitivement. Corrigez d'abord :\n")
               + listProblems(outcome.problems, shown);
    return QStringLiteral("Exercice clôturé définitivement au %1.").arg(forms::formatDate(year.end));
}

} // namespace yearend
