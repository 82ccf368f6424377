#pragma once

#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"

#include <string>

// Generated ledgers for the speed programs: `entries` entries of eight lines,
// spread over the twelve months of 2002, on about 300 accounts.
std::string generateLedger(int entries);

// The same, cut into the line list as a load leaves it.
LineList generatedLines(int entries);

// A chart of accounts covering the generated ledgers' accounts, and their journals.
ReferenceData generatedChart();
