#pragma once

#include "cli/CommandTable.h"

namespace cli {

// The dashboard's figures: a line of titles, one line per month of the fiscal
// year (its sales, charges, result and treasury at the month's end), then what
// the customers owe and what is owed to the suppliers. Figures that cannot be
// whole are told on standard error. Returns the exit code.
int dashboard(Call &call);

} // namespace cli
