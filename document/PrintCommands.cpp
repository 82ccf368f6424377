#include "document/PrintCommands.h"

#include "document/Fiche.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "printing/Envelope.h"
#include "printing/IncomeStatementPrint.h"
#include "printing/Listings.h"

namespace document {

bool pagePrints(const Fiche &fiche)
{
    return fiche.ActivePage != Page::Bilan;
}

void Imprimer(Fiche &fiche, Printer &printer)
{
    const ViewPages &views = fiche.views;
    bool printed = true;
    switch (fiche.ActivePage) {
    case Page::Saisie:
        printed = printing::ImpJnl(printer, fiche.ledger.monthGrid, fiche.ledger.NbLignes, fiche.ledger.NomMois, fiche.ledger.Annee);
        break;
    case Page::Journal: printed = printing::ImpJournal(printer, views.journal, fiche.ledger.NomMois, fiche.ledger.Annee); break;
    case Page::Comptes: printed = printing::ImpGL(printer, views.comptes, fiche.ledger.NomMois, fiche.ledger.Annee); break;
    case Page::General: printed = printing::ImpGeneral(printer, views.general, fiche.ledger.NomMois, fiche.ledger.Annee); break;
    case Page::Balance: printed = printing::ImpBalance(printer, views.balance); break;
    case Page::Resultat: printed = printing::ImpResultat(printer, views.resultat); break;
    case Page::Bilan: break;
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
