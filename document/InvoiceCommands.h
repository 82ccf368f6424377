#pragma once

#include "entry/Invoice.h"

#include <vector>

class Fiche;

// What the document does once an invoice dialog has closed.
namespace document {

// The invoices keyed in a "Facture client" or "Facture fournisseur" dialog
// become entry lines, each in the month of its date: the month on screen is
// written back first and read again after. The document is marked modified
// when a line was added.
void postInvoices(Fiche &fiche, const std::vector<Invoice> &invoices, InvoiceKind kind);

} // namespace document
