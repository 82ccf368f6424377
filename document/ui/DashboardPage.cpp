#include "document/ui/DashboardPage.h"

#include "document/DashboardCommands.h"
#include "document/ui/TFiche.h"
#include "reports/ui/DashboardPage.h"

DocumentPage *createDashboardPage(TFiche &window)
{
    Fiche &fiche = window.fiche();
    return new DashboardPage(window.runner(), &window,
                             {[&fiche] { return document::dashboardFigures(fiche); },
                              [&fiche](const reports::Dashboard &figures) {
                                  return document::outstandingParts(fiche, figures);
                              },
                              [&fiche] { return document::dashboardAtOpening(fiche); },
                              [&fiche](bool on) { document::setDashboardAtOpening(fiche, on); }});
}
