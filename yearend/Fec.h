#pragma once

#include "ledger/Header.h"
#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"
#include "yearend/EntryChecks.h"

#include <QString>
#include <string>
#include <vector>

// The "fichier des écritures comptables" (FEC) a business hands to a tax
// inspector: every line of the fiscal year's books, grouped in numbered
// écritures, 18 fields separated by TAB, lines ended by CR LF, ISO 8859-15.
namespace yearend {

inline const std::string_view kFecFieldNames =
    "JournalCode\tJournalLib\tEcritureNum\tEcritureDate\tCompteNum\tCompteLib\tCompAuxNum\tCompAuxLib\tPieceRef\t"
    "PieceDate\tEcritureLib\tDebit\tCredit\tEcritureLet\tDateLet\tValidDate\tMontantdevise\tIdevise";

// "<SIREN>FEC<AAAAMMJJ>.txt", AAAAMMJJ the end of the fiscal year.
QString fecFileName(const QString &siren, const FiscalYear &year);

struct FecSummary {
    int lines = 0;         // lines of entries written
    int entryGroups = 0;     // écritures numbered
    int undated = 0;       // entries of the year's months without a date: left out
    int withoutAmount = 0; // entries of the year with neither debit nor credit: left out
    int outsideYear = 0;   // entries dated outside the fiscal year: left out
    int replaced = 0;      // characters ISO 8859-15 lacks, written in their plain forms
    bool provisional = false; // some lines are not validated yet
};

struct Fec {
    std::string bytes;
    FecSummary summary;
    std::vector<Problem> problems; // the checks over the whole year
};

// The FEC of the fiscal year's entries. Each line of the books (an entry with
// a date and an amount) gives one line: the journal and its name, the number
// of its écriture, its date (AAAAMMJJ, also as PieceDate), its account and
// the account's label, the écriture's one PieceRef (the voucher of its lines,
// or its number when none has one), its label, its debit and credit ("0,00"
// on the empty side, a negative amount written positive on the other side),
// and the day of the validation that made it final (empty before). The
// écritures of the opening-entries journal on the year's first day are
// numbered first, the others follow in their order (date, journal, place).
Fec buildFec(const LineList &lines, const ReferenceData &ref, const FiscalYear &year);

// What the user is told once the file is written.
QString fecSummaryText(const FecSummary &summary, const QString &fileName);

} // namespace yearend
