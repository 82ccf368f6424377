#include "ledger/ui/TFiche.h"

void TFiche::Journal() { run([](Fiche &f) { f.showPage(Page::Journal); }); }
void TFiche::Comptes() { run([](Fiche &f) { f.showPage(Page::Comptes); }); }
void TFiche::General() { run([](Fiche &f) { f.showPage(Page::General); }); }
void TFiche::Balance() { run([](Fiche &f) { f.showPage(Page::Balance); }); }
void TFiche::Resultat() { run([](Fiche &f) { f.showPage(Page::Resultat); }); }
void TFiche::Bilan() { run([](Fiche &f) { f.showPage(Page::Bilan); }); }
