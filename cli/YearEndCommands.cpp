#include "cli/YearEndCommands.h"

#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "document/Fiche.h"
#include "document/YearEndCommands.h"
#include "exchange/ExchangeCommands.h"
#include "ledger/FileIO.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "yearend/EntryValidation.h"
#include "yearend/Fec.h"
#include "yearend/NextYear.h"

#include <QDir>
#include <limits>

namespace cli {
namespace {

// Every problem is listed: a script's reader wants them all.
constexpr int kAllProblems = std::numeric_limits<int>::max();

int saveWhenClean(Fiche &fiche, const QString &path, const yearend::ValidationOutcome &outcome)
{
    if (!outcome.problems.empty())
        return ExitFindings;
    fiche.ledger.EcritHead();
    return saveDossier(fiche, path, QStringLiteral("Rien n'a été validé dans le dossier.")) ? ExitOk : ExitUnreadable;
}

} // namespace

int validate(Call &call)
{
    Fiche &fiche = call.fiche;
    Ledger &ledger = fiche.ledger;
    const QDate upTo = *call.invocation.upTo;
    if (const QString refusal = yearend::validationDateRefusal(ledger.fiscalYear, upTo); !refusal.isEmpty()) {
        fiche.tell(refusal);
        return ExitRefused;
    }
    const yearend::ValidationOutcome outcome = yearend::validateEntries(ledger.Lignes, ledger.ref, ledger.fiscalYear, upTo,
                                                                        fiche.platform().clock->today());
    fiche.tell(yearend::validationMessage(outcome, upTo, kAllProblems));
    return saveWhenClean(fiche, call.invocation.file, outcome);
}

int closeDefinitively(Fiche &fiche, const QString &path)
{
    Ledger &ledger = fiche.ledger;
    const yearend::ValidationOutcome outcome =
        yearend::closeDefinitively(ledger.Lignes, ledger.ref, ledger.fiscalYear, fiche.platform().clock->today());
    fiche.tell(yearend::definitiveClosingMessage(outcome, ledger.fiscalYear, kAllProblems));
    return saveWhenClean(fiche, path, outcome);
}

int openNextYear(Call &call)
{
    const document::NextYearOutcome outcome = document::createNextYear(call.fiche, *call.invocation.output);
    call.fiche.tell(outcome.message);
    return outcome.created ? ExitOk : ExitRefused;
}

int fec(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    const yearend::Fec fec = yearend::buildFec(fiche.ledger.Lignes, fiche.ledger.ref, fiche.ledger.fiscalYear);
    for (const yearend::Problem &problem : fec.problems)
        fiche.tell(yearend::describe(problem));
    const QString name = yearend::fecFileName(invocation.siren, fiche.ledger.fiscalYear);
    const QString folder = invocation.output.value_or(fiche.platform().files->currentFolder());
    if (const QString failure =
            exchange::writeExchangeFile(fiche.ledger, QDir(folder).filePath(name), fec.bytes, fileio::NamedBy::Program);
        !failure.isEmpty()) {
        fiche.tell(failure);
        return ExitUnreadable;
    }
    fiche.tell(yearend::fecSummaryText(fec.summary, name));
    return fec.problems.empty() ? ExitOk : ExitFindings;
}

} // namespace cli
