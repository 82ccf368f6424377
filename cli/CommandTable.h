#pragma once

#include "cli/Cli.h"
#include "cli/CommandLine.h"

#include <span>

class Fiche;
class Messages;

// The commands of tavelin-cli, one row each: its name, what it takes, how it
// opens the dossier, the function that runs it and the lines of its help.
// The parser, the help and the dispatch read this table and nothing else.
namespace cli {

enum Option : unsigned {
    OptJournal = 1, OptAccount = 2, OptFrom = 4, OptTo = 8, OptMonth = 16, OptOutput = 32, OptSave = 64,
    OptSort = 128, OptClasses = 256, OptQuarter = 512, OptUpTo = 1024, OptSiren = 2048, OptDefinitive = 4096,
    OptCompany = 8192, OptChart = 16384, OptAuto = 32768, OptRate = 65536
};

// What a command takes: nothing at all (--help, --version); the ledger file,
// alone or followed by a month, a file of entries, a text, a statement or
// invoice files;
// or its own arguments, which it reads itself (the calculators).
enum class Operand { None, File, Month, ImportFile, Text, Statement, InvoiceFiles, Own };

// How the dossier is opened before the handler runs: not at all; for
// reading; under its lock, for a command that saves; under its lock only
// when --enregistrer or --definitive asks for a save.
enum class Opening { None, Read, Locked, LockedWhenSaving };

// Where the help lists the command.
enum class Section { Dossier, Calculator, Program };

// What a handler is given: the command line, the streams, and the document,
// holding the dossier when the row opens one.
struct Call {
    const Invocation &invocation;
    Streams &io;
    Fiche &fiche;
    Messages &messages;
};

struct CommandRow {
    const char *name;
    Command command;
    Operand operand;
    unsigned options;
    Opening opening;
    int (*handler)(Call &);
    // A check of the options given together, once they are all read: the
    // French error, empty when they agree. Null when there is none.
    QString (*check)(unsigned given, const Invocation &);
    Section section;
    const char *usage; // after "tavelin-cli "
    const char *help;  // lines, each indented under the usage line
};

std::span<const CommandRow> commandRows();

// The row named `name` (a command or --help, -h, --version); null when none is.
const CommandRow *findCommand(const QString &name);

} // namespace cli
