#include "cli/Listings.h"

#include "cli/GridText.h"
#include "ledger/Fiche.h"

namespace cli {

void listMonth(Fiche &fiche, int annee, int mois, std::string &out)
{
    // Loading leaves the entry page active with nothing unsaved, so moving to
    // a month there comes down to reading it.
    fiche.Annee = quint16(annee);
    fiche.Mois = quint16(mois);
    fiche.LitMois();
    for (int r = 0; r < fiche.NbLignes; ++r)
        appendGridRow(out, fiche.StringGrid1, r);
}

} // namespace cli
