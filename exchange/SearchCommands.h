#pragma once

#include "exchange/EntrySearch.h"
#include "ledger/DocumentState.h"

struct Platform;

// The commands "&Rechercher..." and "&Continuer" of the document.
namespace exchange {

// Asks for the text in the search prompt and searches from the first line.
// A cancelled prompt leaves nothing to search for. (The document runs it only
// from the entry page.)
void Rechercher(const Platform &platform, EntrySearch &search, DocumentState &document);

// Searches on from the line after the previous match. The month on screen is
// written back first, so the search sees what the grid shows and nothing
// keyed there is lost when another month is read. A match in an entry shows
// its month in the entry grid; a match in the header shows nothing and says
// nothing; no match says "Aucune écriture trouvée".
void RContinuer(const Platform &platform, EntrySearch &search, DocumentState &document);

} // namespace exchange
