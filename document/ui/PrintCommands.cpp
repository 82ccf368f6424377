#include "document/PrintCommands.h"
#include "document/ui/TFiche.h"
#include "printing/ui/TEnveloppes.h"

void TFiche::Enveloppe()
{
    EnvelopeAddressDialog dialog(this);
    run([&dialog](Fiche &f) { document::Enveloppe(f, dialog); });
}
