#include "document/InvoiceCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "entry/InvoicePosting.h"

namespace document {

void postInvoices(Fiche &fiche, const std::vector<Invoice> &invoices, InvoiceKind kind)
{
    fiche.EcritMois();
    if (invoice::post(fiche.Lignes, invoices, kind) == 0)
        return;
    invoice::markUsed(fiche.ref, invoices, kind);
    fiche.Modifie = true;
    fiche.LitMois();
    rebuildMonthView(fiche);
}

} // namespace document
