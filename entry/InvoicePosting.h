#pragma once

#include "entry/Invoice.h"

#include <vector>

class LineList;
struct ReferenceData;

// Turning the invoices of a dialog into entry lines of the ledger.
namespace invoice {

// Appends the lines of every invoice, in order, to the month of its date,
// whatever month is shown: the counterparty for the total with tax, the
// revenue or expense account for the total before tax, the VAT account for
// the tax. A customer invoice debits the counterparty and credits the two
// others; a supplier invoice does the opposite. Each line is written as its
// date, account, label, journal and amount cells; a line whose amount was
// left empty carries nothing and is not written. Invoices without a date are
// passed over. Gives back the number of lines written.
int post(LineList &lines, const std::vector<Invoice> &invoices, InvoiceKind kind);

// The accounts and journals of the lines posted become "used", as
// the entry line makes them, so that their editors keep them.
void markUsed(ReferenceData &ref, const std::vector<Invoice> &invoices, InvoiceKind kind);

} // namespace invoice
