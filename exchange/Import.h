#pragma once

#include "ledger/Header.h"
#include "ledger/LedgerFile.h"
#include "ledger/LineList.h"
#include "ledger/MonthLines.h"

#include <QString>
#include <string>
#include <vector>

// Appending the entries of an exchange file to the line list.
namespace exchange {

// A line of the file left out, and why.
struct RefusedLine {
    int number = 0; // from 1
    QString reason; // "la date « 15-01-2024 » n'est pas une date (JJ/MM/AAAA)."
    bool operator==(const RefusedLine &) const = default;
};

struct ImportSummary {
    int entries = 0; // lines of the file that became entries
    bool fromUtf8 = false;
    int replaced = 0; // characters code page 1252 has no byte for, imported as "?"
    int cut = 0;     // cells longer than a cell of the dossier holds, cut to it
    int nulLine = 0; // the line, from 1, where a NUL byte stood: it and the rest were ignored; 0 without one
    // Lines written in UTF-8 in a file read as code page 1252 (the rest of
    // it is not UTF-8): their accents came in garbled.
    int utf8Lines = 0;
    std::vector<int> firstUtf8Lines; // the first few, from 1
    // Nothing was imported: the dossier would have held this many lines, more
    // than the `lineLimit` a dossier may hold.
    std::size_t refusedAt = 0;
    std::size_t lineLimit = 0;
    // Lines that would be no entry of the year (yearentries::newEntryFault),
    // left out: every one, in the file's order.
    std::vector<RefusedLine> refused;
};

inline constexpr std::size_t kUtf8LinesListed = 5;
// Refused lines a message lists; the others are counted.
inline constexpr std::size_t kRefusedLinesListed = 20;
// Fields an import line gives at most: the columns 0 to 7 of the line list,
// as the export writes them. Further fields (the lettering an export writes
// ninth) are not read: a code means something only on its own dossier.
inline constexpr int kFieldsImported = monthlines::kEntryColumnCount;

// Appends one entry per line of the file, at the end of the lines, under the
// month key of its date (characters 7 to 10, then 4 and 5). A line is taken
// only when its first field makes it an entry of the year: a date exactly
// "dd/mm/yyyy" inside `year`, after its final period; the others are
// refused one by one, with their reason, and the rest come in. Each field of
// the line, up to the eighth, becomes one line of that key, numbered from 0 in
// field order (a TAB ending the line opens no field), cut to the 254
// characters a cell holds. Lines end with CR LF, LF or CR; blank lines carry
// no entry and are passed over; a NUL byte ends the text at the start of its
// line. The file may be code page 1252 or UTF-8 (see ImportEncoding.h). When
// the lines would then number more than `maxLines` (the loading's limit, the
// header the save adds included), nothing is imported.
ImportSummary importEntries(std::string fileBytes, LineList &lines, const FiscalYear &year,
                            std::size_t maxLines = ledgerfile::kMaxLines);

// What the user is told after an import: how many entries came in, how many
// characters were replaced and cells cut, where a NUL byte ended the reading,
// which lines were UTF-8 in a code page 1252 file, which lines were refused
// and why; or why nothing came in.
QString summaryMessage(const ImportSummary &summary);

} // namespace exchange
