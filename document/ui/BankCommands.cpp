#include "bank/ui/TRapprochement.h"
#include "document/BankCommands.h"
#include "document/ui/TFiche.h"

void TFiche::reconcileBank()
{
    TRapprochement window(fiche_.platform(), this);
    run([&window](Fiche &f) { document::reconcileBank(f, window); });
}
