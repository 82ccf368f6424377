#include "document/ExchangeCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/SearchCommands.h"
#include "platform/Messages.h"

namespace document {
namespace {

void tellUser(const Fiche &fiche, const QString &message)
{
    if (!message.isEmpty())
        fiche.platform().messages->information(message);
}

void showFound(Fiche &fiche, const exchange::SearchOutcome &outcome)
{
    if (outcome.month) {
        fiche.Annee = quint16(outcome.month->annee);
        fiche.Mois = quint16(outcome.month->mois);
        fiche.LitMois();
        rebuildMonthView(fiche);
    }
    tellUser(fiche, outcome.message);
}

} // namespace

void Importer(Fiche &fiche)
{
    const exchange::ImportOutcome outcome = exchange::Importer(fiche);
    if (outcome.imported) {
        fiche.LitMois();
        rebuildMonthView(fiche);
    }
    tellUser(fiche, outcome.message);
}

void ExportMois(Fiche &fiche)
{
    tellUser(fiche, exchange::ExportMois(fiche));
}

void ExportJournal(Fiche &fiche)
{
    tellUser(fiche, exchange::ExportJournal(fiche));
}

void Rechercher(Fiche &fiche)
{
    if (fiche.ActivePage == Page::Saisie)
        showFound(fiche, exchange::Rechercher(fiche, fiche.search));
}

void RContinuer(Fiche &fiche)
{
    showFound(fiche, exchange::RContinuer(fiche, fiche.search));
}

} // namespace document
