#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

// The command line of tavelin-cli: which listing of which file, with which
// month, filter or dates.
namespace cli {

enum class Command {
    Mois, Journal, GrandLivre, JournalGeneral, Balance, Resultat, Verifier,
    Exporter, Importer, Cloture, Rechercher, Valider, Fec, Help, Version
};

struct Invocation {
    Command command = Command::Help;
    QString file;
    int annee = 0; // the month of the month commands and of exporter --mois; 0 when none is given
    int mois = 0;
    QString argument; // the file of entries to import, the text to search for
    std::optional<QString> output; // --sortie
    std::optional<QString> filter; // --journal or --compte, as the filter combo would hold it
    std::optional<QDate> du;
    std::optional<QDate> au;
    std::optional<QDate> jusquAu; // valider: the day the entries are validated up to
    QString siren;                // fec: a SIREN whose Luhn key is right
    bool definitive = false;      // cloture: the closing made final
};

struct ParsedCommandLine {
    std::optional<Invocation> invocation;
    QString error; // French, when there is no invocation
};

// `args` without the program name.
ParsedCommandLine parseCommandLine(const QStringList &args);

// Texts of --help and --version, and the short reminder that follows a usage error.
QString helpText();
QString versionText();
QString usageReminder();

} // namespace cli
