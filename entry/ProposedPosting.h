#pragma once

#include "ledger/ProposedEntry.h"

#include <QString>

class Ledger;

// Posting an entry the program drafted (the VAT settlement) into the ledger,
// with the checks a keyed entry goes through.
namespace proposed {

// Why the entry may not be posted, in French; empty when it may. Refused: an
// entry without lines, a date outside the fiscal year or in its final part,
// a journal missing from the journals, an account missing from the chart,
// debits that differ from the credits.
QString refusal(const Ledger &ledger, const ProposedEntry &entry);

// Appends every line as the eight cells of an entry, in the month of the
// entry's date whatever month is shown, and marks its accounts and journal
// used, as the entry line does.
void post(Ledger &ledger, const ProposedEntry &entry);

} // namespace proposed
