#include "document/ui/TFiche.h"

#include "document/InvoiceCommands.h"
#include "entry/EntryGuides.h"
#include "entry/ui/TClient.h"
#include "entry/ui/TFour.h"

namespace {

// Shows an invoice dialog on the guides of its side and posts what it gives.
void keyInvoices(TFiche &window, InvoiceDialog &dialog, InvoiceKind kind)
{
    const Fiche &f = window.fiche();
    dialog.Init(guides::proposals(f.ref, kind), f.DebutExercice(), f.FinExercice(), f.ref.ListePlc,
                validation::validatedUntil(f.exercice.validations));
    dialog.exec();
    std::vector<Invoice> invoices;
    dialog.Result(invoices);
    window.run([&](Fiche &fiche) { document::postInvoices(fiche, invoices, kind); });
}

} // namespace

void TFiche::FactCli()
{
    TClient dialog(fiche_.platform(), this);
    keyInvoices(*this, dialog, InvoiceKind::Client);
}

void TFiche::FactFour()
{
    TFour dialog(fiche_.platform(), this);
    keyInvoices(*this, dialog, InvoiceKind::Fournisseur);
}
