#pragma once

#include "ledger/LedgerFile.h"
#include "ledger/LineList.h"

#include <QDate>
#include <QString>
#include <string>
#include <vector>

// Appending the entries of an exchange file to the line list.
namespace exchange {

struct ImportSummary {
    int entries = 0; // lines of the file that became entries
    bool fromUtf8 = false;
    int replaced = 0; // characters code page 1252 has no byte for, imported as "?"
    // Entries whose date is no "dd/mm/yyyy" with a month 01 to 12: their month
    // key names no month, so they show in none.
    int undated = 0;
    std::vector<int> firstUndatedLines; // their line numbers in the file, from 1, the first few
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
    // Entries dated on or before the last day validated, left out: entries
    // may no longer be added there.
    QDate validatedUntil;
    int refused = 0;
    std::vector<int> firstRefusedLines; // the first few, from 1
};

inline constexpr std::size_t kUndatedLinesListed = 5;
// Fields an import line gives at most: the columns 0 to 9 of the line list.
inline constexpr int kFieldsImported = 10;

// Appends one entry per line of the file, at the end of the lines. The month
// key of an entry is made of the characters 7 to 10 (year) and 4 and 5
// (month) of its line, without any other check; each field of the line, up
// to the tenth, becomes one line of that key, numbered from 0 in field order
// (a TAB ending the line opens no field), cut to the 254 characters a cell
// holds. Lines end with CR LF, LF or CR; blank lines carry no entry and are
// passed over; a NUL byte ends the text at the start of its line. The file may be code page 1252 or
// UTF-8 (see ImportEncoding.h). When the lines would then number more than
// `maxLines` (the loading's limit, the header the save adds included),
// nothing is imported. A line whose date falls on or before `validatedUntil`
// (when valid) is refused; the other lines come in.
ImportSummary importEntries(std::string fileBytes, LineList &lines, std::size_t maxLines = ledgerfile::kMaxLines,
                            QDate validatedUntil = {});

// What the user is told after an import: how many entries came in, how many
// characters were replaced and cells cut, which lines will show in no month,
// where a NUL byte ended the reading, which lines were UTF-8 in a code page
// 1252 file, which were refused as dated in the validated period; or why
// nothing came in.
QString summaryMessage(const ImportSummary &summary);

} // namespace exchange
