#pragma once

#include "ledger/CodeList.h"
#include "ledger/Header.h"
#include "ledger/Ledger.h"
#include "ledger/LineList.h"

#include <QString>
#include <string>

// The year-end closing: the balance of every account over the entries of the
// year, classes 6 and 7 summed into the result, written as the
// opening entries of the next year ("ANouveau.Txt", in the exchange form the
// import reads). The closing may be run again, each run replacing the file,
// until the user makes it final: the whole year is then validated and its
// closing date recorded, after which the year is closed.
namespace yearend {

inline const QString kOpeningEntriesFile = QStringLiteral("ANouveau.Txt");

// "Exercice déjà clôturé" when the year's closing date is after its start,
// empty while the year is open.
QString closingRefusal(const FiscalYear &year);

struct OpeningEntries {
    std::string text;     // the file's bytes: code page 1252, CR LF
    QString error;        // French, when no file can be made; `text` is then empty
    QStringList warnings{}; // French, what the user must know before the file is written
};

// The opening entries of the lines: one line per account whose balance is
// not nil, in the order the accounts are first met, dated the day after the
// year's end, journal "AN", the balance as debit or credit; then the result
// on "120000" (profit, as credit) or "129000" (loss, as debit). The entries
// counted are the year's, read as the statements read them: a dossier holding
// a stray line (yearentries::strayLines) is refused, naming them. An account
// code that is the beginning of one met before it shares that account's
// balance. Labels are taken as the chart reader takes them. The balance of
// the entries without an account is left out, and an amount that is not a
// number counts as zero: the warnings say so, the latter with its month and
// row.
OpeningEntries openingEntries(const LineList &lines, const FiscalYear &year, const CodeList &chart);

struct ClosingOutcome {
    QString message;         // what the user must be told
    bool definitive = false; // the year was closed for good: the dossier is to be saved
};

// "&Clôturer exercice": refuses a closed year, warns when the year ends after
// today, asks for confirmation, writes
// the month on screen back so that its entries count, shows the warnings and
// asks again when there are any, then writes the opening entries beside the
// reference files. Once they are written, asks whether to close the year for
// good; on "Oui", validates the whole year and records its end as the closing
// date, unless the checks find problems. Once written, the message says where
// the opening entries are.
ClosingOutcome Cloturer(Ledger &ledger);

} // namespace yearend
