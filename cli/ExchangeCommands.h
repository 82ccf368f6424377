#pragma once

#include "cli/Cli.h"
#include "cli/CommandLine.h"

// The exchange commands of tavelin-cli: the files the application's import,
// exports and closing read and write, and its search, each made by the same
// rules the application runs. Each returns the exit code.
namespace cli {

// The month export of --mois as the month grid reads it, or the whole-journal
// export: code page 1252 bytes with CR LF, to --sortie or standard output.
int exportEntries(const Invocation &invocation, Streams &io);

// Appends the entries of the file as "Importer" does and saves the dossier in
// place, holding its lock throughout; the import's summary goes to standard
// error once the dossier is saved. A file of entries that cannot be read, a
// dossier another session keeps open for longer than a short wait, or a save
// that fails leaves the dossier untouched, and says so. Entries of the
// validated period are refused (ExitFindings), the others imported.
int importEntries(const Invocation &invocation, Streams &io);

// The opening entries the closing writes to "ANouveau.Txt", to --sortie or
// standard output, without the question; a refused closing writes nothing.
// With --definitive, the closing is then made final and the dossier saved.
int closeYear(const Invocation &invocation, Streams &io);

// Every row of every month with a cell holding the text: the month key, the
// row number from 1 and the eight cells. Nothing found: ExitNothingFound.
int search(const Invocation &invocation, Streams &io);

} // namespace cli
