#include "exchange/SearchCommands.h"

#include "platform/BusyPointer.h"
#include "platform/SearchPrompt.h"

namespace exchange {

SearchOutcome Rechercher(Ledger &ledger, EntrySearch &search)
{
    search.start(ledger.platform().searchPrompt->ask());
    if (search.empty())
        return {};
    return RContinuer(ledger, search);
}

SearchOutcome RContinuer(Ledger &ledger, EntrySearch &search)
{
    const Hourglass hourglass(ledger.platform().busy);
    ledger.EcritMois();
    const std::optional<std::size_t> found = search.next(ledger.Lignes, ledger.monthKey());
    if (!found)
        return {std::nullopt, 0, QStringLiteral("Aucune écriture trouvée")};
    return {foundMonth(ledger.Lignes[*found]), foundRow(ledger.Lignes, *found), {}};
}

} // namespace exchange
