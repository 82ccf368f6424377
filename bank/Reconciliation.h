#pragma once

#include "bank/BookEntries.h"
#include "bank/Matching.h"
#include "bank/ReconciliationRules.h"
#include "bank/Statement.h"
#include "bank/StatementFile.h"

#include <QString>
#include <QStringList>
#include <vector>

class Ledger;
class TextGrid;

namespace bank {

// What the reconciliation asks of the document that holds the dossier.
class ReconciliationHost {
public:
    virtual ~ReconciliationHost() = default;
    // The line list changed (marks, entries posted): the dossier is modified.
    virtual void linesChanged() = 0;
    // Entries were posted on these accounts in this journal: they become used.
    virtual void accountsUsed(const QStringList &accounts, const QString &journal) = 0;
    // Prints the reconciliation statement; false when the printer refused it.
    virtual bool printStatement(const TextGrid &grid, const QString &title) = 0;
};

// One reconciliation of a statement file against a bank account of the open
// dossier, as the window drives it. Messages for the user go to the ledger's
// platform.
class Reconciliation {
public:
    Reconciliation(Ledger &ledger, ReconciliationHost &host);

    // The accounts of class 5 of the chart, the default one among them.
    QStringList bankAccounts() const;

    // Reads a statement file and matches it; false (the user told why, unless
    // the columns of a CSV file must be chosen: see columnsToChoose) when it
    // cannot be read, the reconciliation then keeping what it had.
    bool open(const QString &path);
    // A CSV file's columns were not recognised: its layout, for the choice.
    const std::optional<csv::Layout> &columnsToChoose() const { return columnsToChoose_; }
    // The user's choice of columns for that layout: remembered, and the file read again.
    bool chooseColumns(const csv::Columns &columns);

    void setAccount(const QString &account);
    const QString &account() const { return account_; }
    const QString &statementPath() const { return path_; }
    bool hasStatement() const { return hasStatement_; }

    // Whether the statement file states its closing balance; when it does
    // not, the user types "Solde du relevé", remembered for that file.
    bool balanceStated() const { return balanceStated_; }
    // The balance typed for a statement that states none, as the user types
    // an amount ("1 234,56", "-12.5"); an empty text forgets it. False (the
    // user told why) for a text that is no amount, or a statement that
    // states its own.
    bool setStatementBalance(const QString &typed);

    const Statement &statement() const { return statement_; }
    const std::vector<BookEntry> &entries() const { return entries_; }
    const Matching &matching() const { return matching_; }
    std::vector<Proposal> &proposals() { return proposals_; }
    const std::vector<Proposal> &proposals() const { return proposals_; }
    int checkedOffCount() const;

    // "Pointer": the mark on every entry "pointée", and the statement line
    // that checked it off in the record beside the dossier. Gives back how many.
    int checkOff();
    // Takes the marks "Pointer" put off again, while the reconciliation lasts.
    bool canUndoCheckOff() const { return !marked_.empty(); }
    void undoCheckOff();

    // Posts the confirmed proposals; false (the user told why, nothing
    // posted) when one names an account the chart does not have.
    bool postConfirmed();

    const std::vector<Rule> &rules() const { return settings_.rules; }
    // Keeps the rules in their file; false (the user told why) when it could not be written.
    bool setRules(const std::vector<Rule> &rules);

    TextGrid statementGrid() const;
    QString statementTitle() const;
    void printStatement();

private:
    void rematch();
    bool tell(const QString &message) const;
    bool saveSettings();
    bool inChart(const QString &account) const;
    // Writes the record of check-offs beside the dossier (kept in memory only
    // for a dossier not yet saved); false when the user was told it failed.
    bool saveCheckOffs();

    Ledger &ledger_;
    ReconciliationHost &host_;
    ReconciliationSettings settings_;
    bool settingsUnread_ = false;
    QString account_ = defaultBankAccount();
    QString path_;
    bool hasStatement_ = false;
    bool balanceStated_ = false;
    std::optional<csv::Layout> columnsToChoose_;
    QString choosingPath_;
    Statement statement_;
    std::vector<BookEntry> entries_;
    Matching matching_;
    std::vector<Proposal> proposals_;
    std::vector<EntryPlace> marked_;
    std::vector<CheckOff> checkOffs_; // every account's
    bool checkOffsUnread_ = false;
    std::vector<CheckOff> recorded_;  // those "Pointer" added, while the reconciliation lasts
};

// The window of the reconciliation, shown over the document until closed.
class ReconciliationWindow {
public:
    virtual ~ReconciliationWindow() = default;
    virtual void reconcile(Reconciliation &reconciliation) = 0;
};

} // namespace bank
