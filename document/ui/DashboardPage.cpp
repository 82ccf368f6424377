#include "document/ui/DashboardPage.h"

#include "document/DashboardCommands.h"
#include "document/ui/TFiche.h"
#include "reports/ui/DashboardPage.h"

DocumentPage *createDashboardPage(TFiche &window)
{
    Fiche &fiche = window.fiche();
    return new DashboardPage(window.runner(), &window,
                             {[&fiche] { return document::dashboardFigures(fiche); }, document::outstandingParts,
                              [&fiche] { return document::dashboardAtOpening(fiche); },
                              [&fiche](bool on) { document::setDashboardAtOpening(fiche, on); }});
}
