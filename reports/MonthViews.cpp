#include "reports/MonthViews.h"

#include "ledger/Fiche.h"

namespace reports {

void LitJnl(Fiche &) {}
void LitCpt(Fiche &) {}
void LitGeneral(Fiche &) {}

void rebuildMonthView(Fiche &fiche)
{
    switch (fiche.ActivePage) {
    case Page::Journal: LitJnl(fiche); break;
    case Page::Comptes: LitCpt(fiche); break;
    case Page::General: LitGeneral(fiche); break;
    default: break;
    }
}

} // namespace reports
