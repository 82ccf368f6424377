#include "ledger/ui/TFiche.h"
#include "reports/ReportCommands.h"

void TFiche::Journal() { run(reports::Journal); }
void TFiche::Comptes() { run(reports::Comptes); }
void TFiche::General() { run(reports::General); }
void TFiche::Balance() { run(reports::Balance); }
void TFiche::Resultat() { run(reports::Resultat); }
void TFiche::Bilan() { run(reports::Bilan); }
