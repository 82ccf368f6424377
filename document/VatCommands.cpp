#include "document/VatCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "entry/ProposedPosting.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

namespace document {

vat::ReturnForm vatReturnForm(Fiche &fiche)
{
    fiche.ledger.EcritMois();
    const Ledger &ledger = fiche.ledger;
    return vat::ReturnForm(ledger.Lignes, ledger.fiscalYear, ledger.ref.ListeJnx, fiche.platform().clock->today());
}

bool postProposedEntry(Fiche &fiche, const ProposedEntry &entry)
{
    if (const QString refusal = proposed::refusal(fiche.ledger, entry); !refusal.isEmpty()) {
        fiche.platform().messages->information(refusal);
        return false;
    }
    fiche.ledger.EcritMois();
    proposed::post(fiche.ledger, entry);
    fiche.ledger.Modifie = true;
    fiche.LitMois();
    rebuildMonthView(fiche);
    return true;
}

} // namespace document
