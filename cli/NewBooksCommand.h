#pragma once

#include "cli/Cli.h"
#include "cli/CommandLine.h"

namespace cli {

// `nouveau`: a new user's books, as "Nouvelle comptabilité" makes them: the
// dossier given and the reference files of the current folder, none of
// which may exist yet. Returns the exit code.
int createBooks(const Invocation &invocation, Streams &io);

} // namespace cli
