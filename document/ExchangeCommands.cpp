#include "document/ExchangeCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/SearchCommands.h"
#include "platform/Messages.h"

namespace document {
namespace {

void showFound(Fiche &fiche, const exchange::SearchOutcome &outcome)
{
    if (outcome.month) {
        fiche.ledger.Annee = quint16(outcome.month->year);
        fiche.ledger.Mois = quint16(outcome.month->month);
        fiche.LitMois();
        // The row found is the one selected, not the row the previous month had.
        fiche.entry.selectedRow = outcome.row;
        rebuildMonthView(fiche);
    }
    fiche.tell(outcome.message);
}

} // namespace

void Importer(Fiche &fiche)
{
    const exchange::ImportOutcome outcome = exchange::Importer(fiche.ledger);
    if (outcome.imported) {
        fiche.LitMois();
        rebuildMonthView(fiche);
    }
    fiche.tell(outcome.message);
}

void ExportMois(Fiche &fiche)
{
    fiche.tell(exchange::ExportMois(fiche.ledger));
}

void ExportJournal(Fiche &fiche)
{
    fiche.tell(exchange::ExportJournal(fiche.ledger));
}

void Rechercher(Fiche &fiche)
{
    if (fiche.ActivePage == Page::Saisie)
        showFound(fiche, exchange::Rechercher(fiche.ledger, fiche.search));
}

void RContinuer(Fiche &fiche)
{
    showFound(fiche, exchange::RContinuer(fiche.ledger, fiche.search));
}

} // namespace document
