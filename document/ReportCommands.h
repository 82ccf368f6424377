#pragma once

class Fiche;

// The commands that open the six read-only pages of the document, and the
// rebuilds of those pages on the document's current month and dates.
// Opening a month view leaves the entry page (its month is written back
// first), fills the filter list from the entry line's list with "Tous" first
// and selected, and builds the view. Opening a statement sets its dates to the
// fiscal year and computes it. A total that cannot be made is told to the user.
namespace document {

void Journal(Fiche &fiche);
void Comptes(Fiche &fiche);
void General(Fiche &fiche);
void Balance(Fiche &fiche);
void Resultat(Fiche &fiche);
void Bilan(Fiche &fiche);

void LitJnl(Fiche &fiche);
void LitCpt(Fiche &fiche);
void LitGeneral(Fiche &fiche);
void LitBalance(Fiche &fiche);
void LitResultat(Fiche &fiche);
void LitBilan(Fiche &fiche);

// "Trier par compte" and "Sous-totaux par classe" on the balance page: the
// choice is kept in the settings of this version and the balance recomputed.
void sortBalanceByAccount(Fiche &fiche, bool on);
void showClassSubtotals(Fiche &fiche, bool on);
// The balance's order as the settings of this version left it.
void applyBalanceOrder(Fiche &fiche);

// Rebuilds the view shown when it is one of the three month views.
void rebuildMonthView(Fiche &fiche);

} // namespace document
