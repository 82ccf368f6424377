#include "ledger/ui/TFiche.h"

void TFiche::ModifierEcriture() {}
void TFiche::Supprimer() {}
void TFiche::Copier() {}
void TFiche::Coller() {}
void TFiche::Pointer(bool) {}
