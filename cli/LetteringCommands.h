#pragma once

#include "cli/CommandTable.h"

namespace cli {

// The lettering of the accounts beginning with --compte: one line per
// lettered group ("lettrée", code, account, lettering date, number of lines,
// amount), then one line per open line ("non lettrée", date, account, label,
// voucher, debit, credit, month key, row). With --auto the automatic lettering
// is done first; with --enregistrer the dossier is saved (opened under its
// lock by the command's row).
int letter(Call &call);

// The aged balance at --au of the accounts beginning with --compte (411 by
// default): one row per account, then the total row.
int agedBalance(Call &call);

} // namespace cli
