#include "cli/Cli.h"

#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/ConsolePlatform.h"
#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "ledger/DossierLock.h"

namespace cli {
namespace {

// The one way a command reaches the dossier: the lock taken first when the
// command saves, then the reference files and the dossier read, the user
// told why when either fails.
int runCommand(const CommandRow &row, const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    Call call{invocation, io, fiche, *console.platform().messages};
    if (row.opening == Opening::None)
        return row.handler(call);
    // A dossier open elsewhere would lose this command's change at its next
    // save, or its own work to this one.
    DossierLock lock;
    const bool saves =
        row.opening == Opening::Locked || (row.opening == Opening::LockedWhenSaving && invocation.saves());
    if ((saves && !lockForSaving(lock, invocation.file, call.messages)) || !openDossier(fiche, invocation.file))
        return ExitUnreadable;
    return row.handler(call);
}

} // namespace

void Streams::flushOut()
{
    if (writeOut && !out.empty()) {
        writeOut(out);
        out.clear();
    }
}

int run(const QStringList &args, Streams &io)
{
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.invocation) {
        appendText(io.err, QStringLiteral("tavelin-cli : %1\n").arg(parsed.error));
        appendText(io.err, usageReminder());
        return ExitUsage;
    }
    return runCommand(*parsed.row, *parsed.invocation, io);
}

} // namespace cli
