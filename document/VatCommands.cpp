#include "document/VatCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "entry/ProposedPosting.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

namespace document {

vat::ReturnForm vatReturnForm(Fiche &fiche)
{
    fiche.EcritMois();
    return vat::ReturnForm(fiche.Lignes, fiche.exercice, fiche.ref.ListeJnx, fiche.platform().clock->today());
}

bool postProposedEntry(Fiche &fiche, const ProposedEntry &entry)
{
    if (const QString refusal = proposed::refusal(fiche, entry); !refusal.isEmpty()) {
        fiche.platform().messages->information(refusal);
        return false;
    }
    fiche.EcritMois();
    proposed::post(fiche, entry);
    fiche.Modifie = true;
    fiche.LitMois();
    rebuildMonthView(fiche);
    return true;
}

} // namespace document
