#pragma once

#include "ledger/FileIO.h"
#include "ledger/Ledger.h"

#include <QString>
#include <string>

// The commands "I&mporter..." and "E&xporter..." on the open dossier, from
// the file dialog on. Each gives back what the user must be told.
namespace exchange {

struct ImportOutcome {
    bool imported = false; // the lines changed: the month on screen is to be read again
    QString message;
    int refused = 0; // lines left out: no entry of the year
};

// Asks for a text file and appends its entries to the lines. The month on
// screen is written back first, so that entries keyed in it survive its
// reading again. The dossier is then modified; the message tells what came
// in. A missing file or one that cannot be read changes nothing.
ImportOutcome Importer(Ledger &ledger);

// The import of a file already chosen: the month on screen written back, the
// file's entries appended (but the lines that would be no entry of the year), the
// dossier modified. A file that cannot be read, or one that would make the
// dossier too large to be opened again, changes nothing and the message says
// why.
ImportOutcome importFile(Ledger &ledger, const QString &path);

// Ask for a file name (confirming before an existing file is replaced) and
// write the exchange file: the entries of the month grid as it stands, or
// every entry of the lines, the month on screen written back first so that
// what was just keyed goes out too. The file is replaced whole or not at
// all; the message, when the write failed, names the file and the reason.
QString ExportMois(const Ledger &ledger);
QString ExportJournal(Ledger &ledger);

// Writes an exchange file atomically; the message for the user when it fails,
// empty otherwise. The open dossier's own file is never replaced by it.
QString writeExchangeFile(const Ledger &ledger, const QString &path, const std::string &bytes, fileio::NamedBy namedBy);

} // namespace exchange
