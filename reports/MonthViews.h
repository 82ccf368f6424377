#pragma once

class Fiche;

// The three views of the current month (journal, general ledger, general
// journal), built from the line list.
namespace reports {

void LitJnl(Fiche &fiche);
void LitCpt(Fiche &fiche);
void LitGeneral(Fiche &fiche);

// Rebuilds the view shown when it is one of the three month views.
void rebuildMonthView(Fiche &fiche);

} // namespace reports
