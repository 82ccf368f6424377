#pragma once

#include "reports/Dashboard.h"

#include <vector>

class Fiche;

// The dashboard page of the document window: the year at a glance.
namespace document {

// Shows the dashboard (leaving the entry page writes its month back, so that
// its entries count).
void TableauDeBord(Fiche &fiche);

// The dashboard's figures for the dossier as it stands, today's treasury on
// the day of the platform's clock.
reports::Dashboard dashboardFigures(const Fiche &fiche);

// What the customers owe and what is owed to the suppliers, in the parts the
// page and the printout show: one per age of the open lines (the aged
// balance's four), on the day of the figures.
std::vector<reports::OutstandingPart> outstandingParts(const Fiche &fiche, const reports::Dashboard &figures);

// Whether a dossier opens on the dashboard rather than on its entry page: the
// user's choice, kept in "Tavelin.cfg".
bool dashboardAtOpening(const Fiche &fiche);
void setDashboardAtOpening(Fiche &fiche, bool on);

// A dossier just opened goes to the dashboard when the user chose so.
void showChosenOpeningPage(Fiche &fiche);

} // namespace document
