#include "document/ui/TFiche.h"

#include "document/InvoiceCommands.h"
#include "entry/EntryGuides.h"
#include "entry/ui/TClient.h"
#include "entry/ui/TFour.h"

namespace {

// Shows an invoice dialog on the guides of its side and posts what it gives.
void keyInvoices(TFiche &window, InvoiceDialog &dialog, InvoiceKind kind)
{
    const Ledger &ledger = window.fiche().ledger;
    dialog.Init(guides::proposals(ledger.ref, kind), ledger.DebutExercice(), ledger.FinExercice(), ledger.ref.ListePlc,
                ledger.ref.ListeJnx, ledger.fiscalYear.finalUntil());
    dialog.exec();
    std::vector<Invoice> invoices;
    dialog.Result(invoices);
    window.run([&](Fiche &fiche) { document::postInvoices(fiche, invoices, kind); });
}

} // namespace

void TFiche::FactCli()
{
    TClient dialog(fiche_.platform(), this);
    keyInvoices(*this, dialog, InvoiceKind::Customer);
}

void TFiche::FactFour()
{
    TFour dialog(fiche_.platform(), this);
    keyInvoices(*this, dialog, InvoiceKind::Supplier);
}
