#include "FakePlatform.h"
#include "FuzzFiles.h"

#include "document/Fiche.h"
#include "exchange/ExchangeCommands.h"
#include "ledger/LedgerFile.h"

// An exchange file imported into a dossier, as "Importer" does: the entries
// land in the line list, the month of the last one read into the grid, and
// the dossier saved reads back the same lines.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString exchangeFile = fuzz::scratchFile(QStringLiteral("import.txt"));
    const QString dossier = fuzz::scratchFile(QStringLiteral("importe.jnl"));
    writeBytes(exchangeFile, std::string_view(reinterpret_cast<const char *>(data), size));

    FakePlatform fake;
    Fiche fiche(fake.platform);
    const exchange::ImportOutcome outcome = exchange::importFile(fiche.ledger, exchangeFile);
    if (!outcome.imported)
        return 0;
    // The month of the last entry imported, as the entry page would show it.
    for (std::size_t i = fiche.ledger.Lignes.size(); i-- > 0;) {
        const std::string_view line = fiche.ledger.Lignes[i];
        if (line.size() < 6)
            continue;
        const int year = std::atoi(std::string(line.substr(0, 4)).c_str());
        const int month = std::atoi(std::string(line.substr(4, 2)).c_str());
        if (month >= 1 && month <= 12 && year >= 0) {
            fiche.ledger.Annee = quint16(year);
            fiche.ledger.Mois = quint16(month);
            fiche.LitMois();
            break;
        }
    }
    fiche.SetSauve();
    FUZZ_CHECK(fiche.Sauve(dossier));
    FakePlatform fakeAgain;
    Fiche reloaded(fakeAgain.platform);
    FUZZ_CHECK(reloaded.Charge(dossier));
    // A line too short to carry a month key (from a line of the file too short
    // to hold a date) carries nothing: the loading drops it.
    std::vector<std::string> imported;
    for (std::string_view line : fiche.ledger.Lignes)
        if (!ledgerfile::carriesNoData(line))
            imported.emplace_back(line);
    FUZZ_CHECK(std::vector<std::string>(reloaded.ledger.Lignes.begin(), reloaded.ledger.Lignes.end()) == imported);
    return 0;
}
