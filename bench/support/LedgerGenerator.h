#pragma once

#include <string>

// Generated ledgers for the speed programs: `entries` entries of eight lines,
// spread over the twelve months of 2002, on about 300 accounts.
std::string generateLedger(int entries);
