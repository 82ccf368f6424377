#pragma once

#include "bank/BookEntries.h"
#include "bank/CsvReader.h"
#include "bank/Matching.h"

#include <QDir>
#include <QString>
#include <map>
#include <vector>

// What the user keeps for the reconciliation, in "Tavelin.rap" beside the
// reference files: the rules that propose the counterpart account of a
// statement line ("libellé contient PRLV ORANGE → 626000"), and the columns
// chosen for each bank's CSV layout, and the closing balance the user typed
// for a statement file that states none. Code page 1252, CR LF after each
// line:
//   [REGLES]
//   PRLV ORANGE<TAB>626000
//   [COLONNES]
//   <layout signature><TAB>date<TAB>libellé<TAB>montant<TAB>débit<TAB>crédit
//   [SOLDES]
//   <statement file's absolute path><TAB>1234,56
// with the columns counted from 1, 0 for none. A version that does not know
// the balances reads their lines as lines of the columns section it cannot
// take, and passes over them.
namespace bank {

struct Rule {
    QString text;    // what the statement's label contains
    QString account; // the counterpart account proposed
    bool operator==(const Rule &) const = default;
};

struct ReconciliationSettings {
    std::vector<Rule> rules;
    csv::ColumnChoices columns;
    std::map<QString, Cents> balances; // "Solde du relevé" typed, by statement file
    bool operator==(const ReconciliationSettings &) const = default;
};

inline const QString kSettingsFile = QStringLiteral("Tavelin.rap");

// Reads the file when it exists; the French message when it exists but cannot
// be read (empty otherwise).
QString loadSettings(const QDir &dir, ReconciliationSettings &out);
// Replaces the file atomically; the French message when that failed.
QString saveSettings(const QDir &dir, const ReconciliationSettings &settings);

// The account of the first rule whose text the label holds (case and accents
// aside); empty when none does.
QString counterpartFor(const std::vector<Rule> &rules, const QString &label);

// The journal of the latest entry of the account, where its entries are kept.
QString usualJournal(const std::vector<BookEntry> &entries);

// A proposed entry for a line "à saisir": the user confirms or changes it.
struct Proposal {
    std::size_t line = 0; // the statement line it books
    PostedEntry entry;
    bool confirmed = false;
};

// An entry proposed for each line "à saisir", in the statement's order: its
// date and label, the bank account against the account of the first rule
// its label meets (none when no rule does).
std::vector<Proposal> proposals(const Statement &statement, const Matching &matching,
                                const std::vector<Rule> &rules, const QString &bankAccount,
                                const QString &journal);

} // namespace bank
