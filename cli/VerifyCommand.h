#pragma once

#include "cli/CommandTable.h"

namespace cli {

// The check of the dossier as it is on disk: every finding, the months'
// totals, the validations whose entries changed and the register's records
// the dossier lost. ExitFindings when anything is found.
int verify(Call &call);

} // namespace cli
