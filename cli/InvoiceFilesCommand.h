#pragma once

#include "cli/CommandTable.h"

namespace cli {

// Suppliers' e-invoices (Factur-X, CII or UBL, found from the content), in
// the order given: for each, the line "facture" and the lines "écriture" of
// the entry proposed, or the line "refusée" and the reason. With
// --enregistrer the entries are posted, the dossier saved under its lock and
// the files kept beside it as the vouchers (the lock is held).
int receiveInvoices(Call &call);

} // namespace cli
