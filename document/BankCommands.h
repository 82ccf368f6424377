#pragma once

class Fiche;

namespace bank {
class ReconciliationWindow;
}

// The bank reconciliation of the document.
namespace document {

// "Rapprochement bancaire...": the month on screen is written back, the
// window works on the line list, and the month is read again when the
// window changed the lines (marks, entries posted), so that the grid on
// screen and the file saved next agree.
void reconcileBank(Fiche &fiche, bank::ReconciliationWindow &window);

} // namespace document
