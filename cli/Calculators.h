#pragma once

#include "cli/Cli.h"

#include <QString>
#include <QStringList>

// The calculator commands of tavelin-cli (emprunt, placement, euro): what the
// loan, savings and euro windows show for the values given, without a dossier.
namespace cli {

// `args` without the program name, the command first. Returns the exit code:
// ExitOk, ExitRefused with the window's message on standard error, or
// ExitUsage.
int runCalculator(const QStringList &args, Streams &io);

} // namespace cli
