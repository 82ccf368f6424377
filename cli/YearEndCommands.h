#pragma once

#include "cli/CommandTable.h"

class Fiche;

// The year-end commands of tavelin-cli, made by the rules the window runs.
// Each returns the exit code.
namespace cli {

// Validates the entries up to --jusqu-au and saves the dossier (the lock is
// held); the problems found go to standard error (ExitFindings, nothing
// validated).
int validate(Call &call);

// The closing of an open dossier made final, without the question: the
// whole year validated, the closing date recorded, the dossier saved. The
// lock must be held.
int closeDefinitively(Fiche &fiche, const QString &path);

// Creates the next year's dossier at --sortie, a file that must not exist,
// from a year closed for good.
int openNextYear(Call &call);

// Writes the FEC into the folder of --sortie (the current one by default);
// the checks' findings and the summary go to standard error. ExitFindings
// when the file was written with findings.
int fec(Call &call);

} // namespace cli
