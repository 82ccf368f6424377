#include "document/DashboardCommands.h"

#include "document/Fiche.h"
#include "platform/Clock.h"

namespace document {
namespace {

const QString kAtOpeningKey = QStringLiteral("tableau_de_bord_a_l_ouverture");

} // namespace

void TableauDeBord(Fiche &fiche)
{
    fiche.showPage(Page::TableauDeBord);
}

reports::Dashboard dashboardFigures(const Fiche &fiche)
{
    const Ledger &ledger = fiche.ledger;
    return reports::dashboardOf(ledger.Lignes, ledger.fiscalYear, fiche.platform().clock->today());
}

std::vector<reports::OutstandingPart> outstandingParts(const reports::Dashboard &figures)
{
    return {{QStringLiteral("Solde"), figures.receivable, figures.payable}};
}

bool dashboardAtOpening(const Fiche &fiche)
{
    return fiche.ledger.preferences.flag(kAtOpeningKey);
}

void setDashboardAtOpening(Fiche &fiche, bool on)
{
    fiche.ledger.preferences.setFlag(kAtOpeningKey, on);
    fiche.ledger.savePreferences();
}

void showChosenOpeningPage(Fiche &fiche)
{
    if (!fiche.ledger.NomFichier.isEmpty() && dashboardAtOpening(fiche))
        TableauDeBord(fiche);
}

} // namespace document
