#include "document/YearEndCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "exchange/ExchangeCommands.h"
#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/Messages.h"
#include "yearend/Closing.h"
#include "yearend/EntryValidation.h"
#include "yearend/Fec.h"

#include <QDir>
#include <QFileInfo>

namespace document {
namespace {

void tellUser(const Fiche &fiche, const QString &message)
{
    if (!message.isEmpty())
        fiche.platform().messages->information(message);
}

// The rows just made final show as such.
void showValidated(Fiche &fiche)
{
    fiche.LitMois();
    rebuildMonthView(fiche);
}

} // namespace

QDate proposedValidationDate(const Fiche &fiche)
{
    return yearend::proposedValidationDate(fiche.exercice, fiche.platform().clock->today());
}

bool Valider(Fiche &fiche, QDate upTo)
{
    const QString refusal = yearend::validationDateRefusal(fiche.exercice, upTo);
    if (!refusal.isEmpty()) {
        tellUser(fiche, refusal);
        return false;
    }
    fiche.EcritMois();
    yearend::ValidationOutcome outcome;
    {
        const Hourglass hourglass(fiche.platform().busy);
        outcome = yearend::validateEntries(fiche.Lignes, fiche.ref, fiche.exercice, upTo, fiche.platform().clock->today());
    }
    const bool validated = outcome.problems.empty();
    if (validated) {
        fiche.EcritHead();
        showValidated(fiche);
    }
    tellUser(fiche, yearend::validationMessage(outcome, upTo, yearend::kProblemsShown));
    return validated;
}

bool Cloturer(Fiche &fiche)
{
    const reports::ClosingOutcome outcome = reports::Cloturer(fiche);
    if (outcome.definitive)
        showValidated(fiche);
    tellUser(fiche, outcome.message);
    return outcome.definitive;
}

QString rememberedSiren(const Fiche &fiche)
{
    return fiche.fecSiren;
}

void ExporterFec(Fiche &fiche, const QString &siren)
{
    fiche.fecSiren = siren;
    const Platform &platform = fiche.platform();
    const QString start = fiche.NomFichier.isEmpty() ? QDir::currentPath() : QFileInfo(fiche.NomFichier).absolutePath();
    const std::optional<QString> folder =
        platform.fileDialogs->folder(QStringLiteral("Dossier où écrire le FEC"), start);
    if (!folder)
        return;
    fiche.EcritMois();
    yearend::Fec fec;
    {
        const Hourglass hourglass(platform.busy);
        fec = yearend::buildFec(fiche.Lignes, fiche.ref, fiche.exercice);
    }
    if (!fec.problems.empty()
        && !platform.messages->warningOkCancel(
            QStringLiteral("Le contrôle des écritures de l'exercice a relevé ces problèmes :\n")
            + yearend::listProblems(fec.problems, yearend::kProblemsShown)
            + QStringLiteral("\n\nExporter le FEC quand même ?")))
        return;
    const QString name = yearend::fecFileName(siren, fiche.exercice);
    const QString failure = exchange::writeExchangeFile(QDir(*folder).filePath(name), fec.bytes);
    tellUser(fiche, failure.isEmpty() ? yearend::fecSummaryText(fec.summary, name) : failure);
}

} // namespace document
