#include "bank/ui/TRapprochement.h"
#include "document/BankCommands.h"
#include "document/ui/TFiche.h"

void TFiche::Rapprochement()
{
    TRapprochement window(fiche_.platform(), this);
    run([&window](Fiche &f) { document::Rapprochement(f, window); });
}
