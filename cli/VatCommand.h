#pragma once

#include "cli/CommandTable.h"

namespace cli {

// The VAT return of the month, the quarter or the two dates given: its eight
// lines, each its caption and its figure; a return that cannot be made is
// told on standard error. Returns the exit code.
int listVatReturn(Call &call);

} // namespace cli
