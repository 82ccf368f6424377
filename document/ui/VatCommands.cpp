#include "document/VatCommands.h"
#include "document/ui/TFiche.h"
#include "vat/ui/TDeclarationTva.h"

void TFiche::vatReturn()
{
    vat::ReturnForm form = document::vatReturnForm(fiche_);
    TDeclarationTva dialog(fiche_.platform(), this);
    dialog.Init(form, fiche_.ledger.ref.journalItems, fiche_.ledger.ref.Societe[0], [this](const ProposedEntry &entry) {
        bool posted = false;
        run([&](Fiche &f) { posted = document::postProposedEntry(f, entry); });
        return posted;
    });
    dialog.exec();
}
