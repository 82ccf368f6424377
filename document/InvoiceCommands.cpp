#include "document/InvoiceCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "entry/InvoicePosting.h"

namespace document {

void postInvoices(Fiche &fiche, const std::vector<Invoice> &invoices, InvoiceKind kind)
{
    fiche.ledger.EcritMois();
    if (invoice::post(fiche.ledger.Lignes, invoices, kind) == 0)
        return;
    invoice::markUsed(fiche.ledger.ref, invoices, kind);
    fiche.ledger.Modifie = true;
    fiche.LitMois();
    rebuildMonthView(fiche);
}

} // namespace document
