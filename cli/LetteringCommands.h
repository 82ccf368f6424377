#pragma once

#include "cli/Cli.h"
#include "cli/CommandLine.h"

namespace cli {

// The lettering of the accounts beginning with --compte: one line per
// lettered group ("lettrée", code, account, lettering date, number of lines,
// amount), then one line per open line ("non lettrée", date, account, label,
// voucher, debit, credit, month key, row). With --auto the automatic lettering
// is done first; with --enregistrer the dossier is saved, under its lock.
int letter(const Invocation &invocation, Streams &io);

// The aged balance at --au of the accounts beginning with --compte (411 by
// default): one row per account, then the total row.
int agedBalance(const Invocation &invocation, Streams &io);

} // namespace cli
