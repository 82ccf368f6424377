#pragma once

class Fiche;

// The commands that open the six read-only pages of the document. Opening a
// month view leaves the entry page (its month is written back first), fills
// the filter list from the entry line's list with "Tous" first and selected,
// and builds the view. Opening a statement sets its dates to the fiscal year
// and computes it.
namespace reports {

void Journal(Fiche &fiche);
void Comptes(Fiche &fiche);
void General(Fiche &fiche);
void Balance(Fiche &fiche);
void Resultat(Fiche &fiche);
void Bilan(Fiche &fiche);

} // namespace reports
