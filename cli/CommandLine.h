#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of tavelin-cli: which command on which file, with which
// month, filter or dates, read by the rows of the command table.
namespace cli {

enum class Command {
    Month, Journal, GeneralLedger, GeneralJournal, Balance, IncomeStatement, BalanceSheet, Verifier,
    Export, Import, CloseYear, NextYear, Search, Reconcile, Vat, Validate, Fec, Dashboard, NewBooks, Letter, AgedBalance,
    ReceiveInvoices, Loan, Savings, Euro, Help, Version
};

struct Invocation {
    Command command = Command::Help;
    QString file;
    int year = 0; // the month of the month commands and of exporter --mois; 0 when none is given
    int month = 0;
    int quarter = 0; // tva --trimestre, with its year in `year`; 0 when none is given
    QString argument; // the file of entries to import, the text to search for, the bank statement
    std::optional<QString> output; // --sortie
    std::optional<QString> filter; // --journal or --compte, as the filter combo would hold it; the bank account
    bool save = false; // --enregistrer
    std::optional<QDate> from;
    std::optional<QDate> to;
    bool sortByAccount = false;  // --tri compte
    bool classSubtotals = false; // --classes
    std::optional<QDate> upTo; // valider: the day the entries are validated up to
    QString siren;                // fec: a SIREN whose Luhn key is right
    bool definitive = false;      // cloture: the closing made final
    QString company, chart;       // nouveau: --societe, --plan
    bool automatic = false;       // lettrer --auto: the automatic lettering first
    QStringList ownArguments;     // a command that reads its arguments itself: all of them, its name first
    QStringList files;            // factures-recues: the invoice files
    std::optional<qint64> exchangeRate; // factures-recues --cours: euros for one unit, in millionths

    // Whether the command saves the dossier.
    bool saves() const { return save || definitive; }
};

struct CommandRow;

struct ParsedCommandLine {
    std::optional<Invocation> invocation;
    QString error; // French, when there is no invocation
    const CommandRow *row = nullptr; // the command's row, with the invocation
};

// `args` without the program name.
ParsedCommandLine parseCommandLine(const QStringList &args);

// Texts of --help and --version, and the short reminder that follows a usage error.
QString helpText();
QString versionText();
QString usageReminder();

} // namespace cli
