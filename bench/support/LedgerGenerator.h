#pragma once

#include "ledger/LineList.h"
#include "ledger/ReferenceData.h"

#include <string>

// Generated ledgers for the speed programs: `entries` entries of eight lines,
// spread over the twelve months of 2002, on about 300 accounts, or on
// `accounts` accounts, each of them used, when it is given.
std::string generateLedger(int entries, int accounts = 0);

// The same, cut into the line list as a load leaves it.
LineList generatedLines(int entries, int accounts = 0);

// A chart of accounts covering the generated ledgers' accounts, and their journals.
ReferenceData generatedChart(int accounts = 0);
