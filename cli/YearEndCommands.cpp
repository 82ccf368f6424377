#include "cli/YearEndCommands.h"

#include "cli/ConsolePlatform.h"
#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "document/Fiche.h"
#include "exchange/ExchangeCommands.h"
#include "ledger/DossierLock.h"
#include "platform/Messages.h"
#include "yearend/EntryValidation.h"
#include "yearend/Fec.h"

#include <QDir>
#include <limits>

namespace cli {
namespace {

// Every problem is listed: a script's reader wants them all.
constexpr int kAllProblems = std::numeric_limits<int>::max();

void tell(const Fiche &fiche, const QString &message)
{
    if (!message.isEmpty())
        fiche.platform().messages->information(message);
}

int saveWhenClean(Fiche &fiche, const QString &path, const yearend::ValidationOutcome &outcome)
{
    if (!outcome.problems.empty())
        return ExitFindings;
    fiche.EcritHead();
    return fiche.writeFile(path) ? ExitOk : ExitUnreadable;
}

} // namespace

int valider(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    DossierLock lock;
    if (!lockForSaving(lock, fiche, invocation.file) || !openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const QDate upTo = *invocation.jusquAu;
    if (const QString refusal = yearend::validationDateRefusal(fiche.exercice, upTo); !refusal.isEmpty()) {
        tell(fiche, refusal);
        return ExitRefused;
    }
    const yearend::ValidationOutcome outcome = yearend::validateEntries(
        fiche.Lignes, fiche.ref, fiche.exercice, upTo, fiche.platform().clock->today());
    tell(fiche, yearend::validationMessage(outcome, upTo, kAllProblems));
    return saveWhenClean(fiche, invocation.file, outcome);
}

int closeDefinitively(Fiche &fiche, const QString &path)
{
    const yearend::ValidationOutcome outcome =
        yearend::closeDefinitively(fiche.Lignes, fiche.ref, fiche.exercice, fiche.platform().clock->today());
    tell(fiche, yearend::definitiveClosingMessage(outcome, fiche.exercice, kAllProblems));
    return saveWhenClean(fiche, path, outcome);
}

int fec(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const yearend::Fec fec = yearend::buildFec(fiche.Lignes, fiche.ref, fiche.exercice);
    for (const yearend::Problem &problem : fec.problems)
        tell(fiche, yearend::describe(problem));
    const QString name = yearend::fecFileName(invocation.siren, fiche.exercice);
    const QString folder = invocation.output.value_or(QDir::currentPath());
    if (const QString failure = exchange::writeExchangeFile(QDir(folder).filePath(name), fec.bytes);
        !failure.isEmpty()) {
        tell(fiche, failure);
        return ExitUnreadable;
    }
    tell(fiche, yearend::fecSummaryText(fec.summary, name));
    return fec.problems.empty() ? ExitOk : ExitFindings;
}

} // namespace cli
