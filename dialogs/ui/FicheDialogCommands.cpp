#include "ledger/ui/TFiche.h"

void TFiche::Psoc() {}
void TFiche::Plc() {}
void TFiche::Journaux() {}
