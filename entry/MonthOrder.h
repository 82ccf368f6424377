#pragma once

#include "ledger/TextGrid.h"

namespace entry {

// Orders the entries of the month grid (rows 0 to rows - 1) by day with
// the exchange procedure the ledger has always used: for each row i, every
// later row j whose day (the first two characters of its date, compared as
// bytes) is smaller than row i's is exchanged with row i, all eight cells
// together. Entries of the same day therefore do not keep their posting order;
// files written by earlier versions list them in exactly this order.
void Tri(TextGrid &grid, int rows);

} // namespace entry
