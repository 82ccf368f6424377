#pragma once

#include "ledger/DocumentState.h"
#include "ledger/LineList.h"
#include "ledger/TextGrid.h"

#include <QString>
#include <string>

struct Platform;

// The commands "I&mporter..." and "E&xporter..." of the document, from the
// file dialog to the last message.
namespace exchange {

// Asks for a text file and appends its entries to the lines: the month on
// screen is written back first, so that entries keyed in it survive, and read
// again afterwards, so that imported entries of that month show at once. The
// document is then modified, and the user is told what came in. A file that
// cannot be read changes nothing.
void Importer(const Platform &platform, DocumentState &document);

// Ask for a file name (confirming before an existing file is replaced) and
// write the exchange file: the entries of the month grid as it stands, or
// every entry of the lines. The file is replaced whole or not at all; a
// failure names the file and the reason.
void ExportMois(const Platform &platform, const TextGrid &grid);
void ExportJournal(const Platform &platform, const LineList &lines);

// Writes an exchange file atomically; the message for the user when it fails,
// empty otherwise.
QString writeExchangeFile(const QString &path, const std::string &bytes);

} // namespace exchange
