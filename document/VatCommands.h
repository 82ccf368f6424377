#pragma once

#include "ledger/ProposedEntry.h"
#include "vat/ReturnForm.h"

class Fiche;

// What the document does for the VAT return window.
namespace document {

// The return's form over the document, on the last complete month: the
// month on screen is written back first, so that its entries count.
vat::ReturnForm vatReturnForm(Fiche &fiche);

// Posts an entry the program proposed, as invoices are posted: refused with
// the user told why (see proposed::refusal), otherwise appended to the month
// of its date, the document modified, the month on screen read again and a
// month view shown rebuilt. True when it was posted.
bool postProposedEntry(Fiche &fiche, const ProposedEntry &entry);

} // namespace document
