#pragma once

#include "exchange/EntrySearch.h"
#include "ledger/Ledger.h"
#include "ledger/MonthKey.h"

#include <QString>
#include <optional>

// The commands "&Rechercher..." and "&Continuer" on the open dossier.
namespace exchange {

struct SearchOutcome {
    std::optional<forms::YearMonth> month; // the month of the entry found, to show in the entry grid
    int row = 0;                           // the entry's row in that month's grid, to select
    QString message;
};

// Asks for the text in the search prompt and searches from the first line,
// the months in calendar order. A cancelled prompt leaves nothing to search
// for and finds nothing.
SearchOutcome Rechercher(Ledger &ledger, EntrySearch &search);

// Searches on from the line after the previous match, or from the first line
// of the month on screen when the user has moved to another month since; the
// months in calendar order, up to the last. The month on screen is
// written back first, so the search sees what the grid shows and nothing
// keyed there is lost when another month is read. A match in an entry gives
// its month; a match in the header gives nothing and says nothing; no match
// says "Aucune écriture trouvée".
SearchOutcome RContinuer(Ledger &ledger, EntrySearch &search);

} // namespace exchange
