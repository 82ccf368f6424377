#pragma once

#include "cli/CommandTable.h"

namespace cli {

// The reconciliation of a statement file (OFX, CFONB 120 or CSV, found from
// its content) against a bank account of the dossier: one line per statement
// line, in the statement's order, then the entries "non relevée", then the
// statement's closing balance, the books' balance and their difference. With
// --enregistrer the entries "pointée" get their check-off mark and the
// dossier is saved (the lock is held).
int reconcile(Call &call);

} // namespace cli
