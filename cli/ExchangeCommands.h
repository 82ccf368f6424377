#pragma once

#include "cli/CommandTable.h"

// The exchange commands of tavelin-cli: the files the application's import,
// exports and closing read and write, and its search, each made by the same
// rules the application runs. Each returns the exit code.
namespace cli {

// The month export of --mois as the month grid reads it, or the whole-journal
// export: code page 1252 bytes with CR LF, to --sortie or standard output.
int exportEntries(Call &call);

// Appends the entries of the file as "Importer" does and saves the dossier in
// place (the lock is held); the import's summary goes to standard error once
// the dossier is saved. A file of entries that cannot be read or a save that
// fails leaves the dossier untouched, and says so. Entries of the
// validated period are refused (ExitFindings), the others imported.
int importEntries(Call &call);

// The opening entries the closing writes to "ANouveau.Txt", to --sortie or
// standard output, without the question; a refused closing writes nothing.
// With --definitive, the closing is then made final and the dossier saved.
int closeYear(Call &call);

// Every row of every month with a cell holding the text: the month key, the
// row number from 1 and the eight cells. Nothing found: ExitNothingFound.
int search(Call &call);

} // namespace cli
