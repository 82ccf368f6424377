#include "cli/Listings.h"

#include "cli/GridText.h"
#include "ledger/Fiche.h"

namespace cli {

void listMonth(Fiche &fiche, int annee, int mois, std::string &out)
{
    // What moving to a month does on the entry page: the grid holds nothing
    // unsaved here, so the write-back is a no-op and the month is read.
    fiche.showPage(Page::Saisie);
    fiche.EcritMois();
    fiche.Annee = quint16(annee);
    fiche.Mois = quint16(mois);
    fiche.LitMois();
    for (int r = 0; r < fiche.NbLignes; ++r)
        appendGridRow(out, fiche.StringGrid1, r);
}

} // namespace cli
