#include "document/YearEndCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "exchange/ExchangeCommands.h"
#include "ledger/FileIO.h"
#include "ledger/Siren.h"
#include "ledger/TextForms.h"
#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Messages.h"
#include "yearend/Closing.h"
#include "yearend/EntryValidation.h"
#include "yearend/Fec.h"
#include "yearend/NextYear.h"

#include <QDir>
#include <QFileInfo>

namespace document {
namespace {

// The rows just made final show as such.
void showValidated(Fiche &fiche)
{
    fiche.LitMois();
    rebuildMonthView(fiche);
}

} // namespace

QDate proposedValidationDate(const Fiche &fiche)
{
    return yearend::proposedValidationDate(fiche.ledger.fiscalYear, fiche.platform().clock->today());
}

bool validateEntries(Fiche &fiche, QDate upTo)
{
    Ledger &ledger = fiche.ledger;
    const QString refusal = yearend::validationDateRefusal(ledger.fiscalYear, upTo);
    if (!refusal.isEmpty()) {
        fiche.tell(refusal);
        return false;
    }
    ledger.EcritMois();
    yearend::ValidationOutcome outcome;
    {
        const Hourglass hourglass(fiche.platform().busy);
        outcome = yearend::validateEntries(ledger.Lignes, ledger.ref, ledger.fiscalYear, upTo,
                                           fiche.platform().clock->today());
    }
    const bool validated = outcome.problems.empty();
    if (validated) {
        ledger.EcritHead();
        showValidated(fiche);
    }
    fiche.tell(yearend::validationMessage(outcome, upTo, yearend::kProblemsShown));
    return validated;
}

bool Cloturer(Fiche &fiche)
{
    const yearend::ClosingOutcome outcome = yearend::Cloturer(fiche.ledger);
    if (outcome.definitive)
        showValidated(fiche);
    fiche.tell(outcome.message);
    return outcome.definitive;
}

NextYearOutcome createNextYear(Fiche &fiche, const QString &path)
{
    if (fiche.platform().files->exists(path))
        return {false, QStringLiteral("Le fichier %1 existe déjà : l'exercice suivant n'a pas été créé.").arg(path)};
    fiche.ledger.EcritMois();
    const yearend::NextYearDossier next =
        yearend::nextYearDossier(fiche.ledger.Lignes, fiche.ledger.fiscalYear, fiche.ledger.ref.ListePlc);
    if (!next.error.isEmpty())
        return {false, next.error};
    Ledger created(fiche.platform());
    created.Lignes = next.lines;
    created.fiscalYear = next.year;
    if (!created.writeFile(path))
        return {};
    return {true, QStringLiteral("Exercice du %1 au %2 créé dans %3 : %4 écritures d'à-nouveaux.")
                      .arg(forms::formatDate(next.year.start), forms::formatDate(next.year.end), path)
                      .arg(next.openingEntries)};
}

QString rememberedSiren(const Fiche &fiche)
{
    return fiche.ledger.preferences.value(siren::kSettingKey);
}

void exportFec(Fiche &fiche, const QString &siren)
{
    Ledger &ledger = fiche.ledger;
    ledger.preferences.setValue(siren::kSettingKey, siren);
    ledger.savePreferences();
    const Platform &platform = fiche.platform();
    const QString start = ledger.NomFichier.isEmpty() ? platform.files->currentFolder() : QFileInfo(ledger.NomFichier).absolutePath();
    const std::optional<QString> folder =
        platform.fileDialogs->folder(QStringLiteral("Dossier où écrire le FEC"), start);
    if (!folder)
        return;
    ledger.EcritMois();
    yearend::Fec fec;
    {
        const Hourglass hourglass(platform.busy);
        fec = yearend::buildFec(ledger.Lignes, ledger.ref, ledger.fiscalYear);
    }
    if (!fec.problems.empty()
        && !platform.messages->warningOkCancel(
            QStringLiteral("Le contrôle des écritures de l'exercice a relevé ces problèmes :\n")
            + yearend::listProblems(fec.problems, yearend::kProblemsShown)
            + QStringLiteral("\n\nExporter le FEC quand même ?")))
        return;
    const QString name = yearend::fecFileName(siren, ledger.fiscalYear);
    const QString failure =
        exchange::writeExchangeFile(ledger, QDir(*folder).filePath(name), fec.bytes, fileio::NamedBy::Program);
    fiche.tell(failure.isEmpty() ? yearend::fecSummaryText(fec.summary, name) : failure);
}

} // namespace document
