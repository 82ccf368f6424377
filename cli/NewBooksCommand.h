#pragma once

#include "cli/CommandTable.h"

namespace cli {

// `nouveau`: a new user's books, as "Nouvelle comptabilité" makes them: the
// dossier given and the reference files of the current folder, none of
// which may exist yet. Returns the exit code.
int createBooks(Call &call);

// The options `nouveau` cannot do without, and the chart's name.
QString newBooksOptionsError(unsigned given, const Invocation &invocation);

} // namespace cli
