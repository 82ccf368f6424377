#include "document/PrintCommands.h"

#include "document/DashboardCommands.h"
#include "document/Fiche.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "printing/DashboardPrint.h"
#include "printing/Envelope.h"
#include "printing/StatementPrint.h"
#include "printing/Listings.h"

namespace document {

void Imprimer(Fiche &fiche, Printer &printer)
{
    const ViewPages &views = fiche.views;
    const Ledger &ledger = fiche.ledger;
    bool printed = true;
    switch (fiche.ActivePage) {
    case Page::Saisie:
        printed = printing::ImpJnl(printer, ledger.monthGrid, ledger.NbLignes, ledger.NomMois, ledger.Annee);
        break;
    case Page::Journal: printed = printing::ImpJournal(printer, views.journal, ledger.NomMois, ledger.Annee); break;
    case Page::Comptes: printed = printing::ImpGL(printer, views.generalLedger, ledger.NomMois, ledger.Annee); break;
    case Page::General: printed = printing::ImpGeneral(printer, views.generalJournal, ledger.NomMois, ledger.Annee); break;
    case Page::Balance: printed = printing::ImpBalance(printer, views.balance); break;
    case Page::Resultat: printed = printing::ImpResultat(printer, views.incomeStatement); break;
    case Page::Bilan: printed = printing::printBalanceSheet(printer, views.balanceSheet); break;
    case Page::TableauDeBord: {
        const reports::Dashboard figures = dashboardFigures(fiche);
        printed = printing::printDashboard(printer, figures, outstandingParts(fiche, figures));
        break;
    }
    }
    if (!printed)
        fiche.platform().messages->information(printerRefusedMessage());
}

void Enveloppe(Fiche &fiche, printing::EnvelopeDialog &dialog)
{
    const Platform &platform = fiche.platform();
    printing::Enveloppe(fiche.ledger.ref.Societe, dialog, *platform.messages, *platform.printer);
}

} // namespace document
