#include "exchange/SearchCommands.h"

#include "ledger/TextForms.h"
#include "platform/BusyPointer.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/SearchPrompt.h"

namespace exchange {

void Rechercher(const Platform &platform, EntrySearch &search, DocumentState &document)
{
    search.start(platform.searchPrompt->ask());
    if (!search.empty())
        RContinuer(platform, search, document);
}

void RContinuer(const Platform &platform, EntrySearch &search, DocumentState &document)
{
    std::optional<std::size_t> found;
    {
        const Hourglass hourglass(platform.busy);
        if (document.MoisModifie)
            search.monthMoving(document.Lignes, forms::monthKey(document.Annee, document.Mois));
        document.EcritMois();
        found = search.next(document.Lignes);
    }
    if (!found) {
        platform.messages->information(QStringLiteral("Aucune écriture trouvée"));
        return;
    }
    if (const auto month = foundMonth(document.Lignes[*found])) {
        document.Annee = quint16(month->annee);
        document.Mois = quint16(month->mois);
        document.LitMois();
    }
}

} // namespace exchange
