#pragma once

#include "cli/Cli.h"
#include "cli/CommandLine.h"

namespace cli {

// The dashboard's figures: a line of titles, one line per month of the fiscal
// year (its sales, charges, result and treasury at the month's end), then what
// the customers owe and what is owed to the suppliers. Figures that cannot be
// whole are told on standard error. Returns the exit code.
int dashboard(const Invocation &invocation, Streams &io);

} // namespace cli
