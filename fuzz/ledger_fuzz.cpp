#include "FakePlatform.h"
#include "FuzzFiles.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "yearend/BookEntries.h"
#include "yearend/Fec.h"
#include "yearend/Fingerprint.h"

#include <set>

// A ledger file loaded, every month it names read and shown in the three month
// views, the balance, the income statement and the balance sheet computed,
// then saved, loaded again and saved again: the reloaded dossier has the same
// fiscal year and the same lines, and the two saves are the same bytes. Every
// month written back as the entry page writes it leaves the fingerprint of
// the entries as it was, and the FEC of the year can be made.

namespace {

constexpr std::size_t kMonthsVisited = 24;

void visitEveryMonth(Fiche &fiche)
{
    std::set<std::pair<int, int>> months;
    for (std::string_view line : fiche.ledger.Lignes) {
        if (months.size() >= kMonthsVisited || line.size() < 6)
            continue;
        const int year = std::atoi(std::string(line.substr(0, 4)).c_str());
        const int month = std::atoi(std::string(line.substr(4, 2)).c_str());
        if (month >= 1 && month <= 12 && year >= 0)
            months.insert({year, month});
    }
    for (const auto &[year, month] : months) {
        fiche.Saisie();
        fiche.ledger.Annee = quint16(year);
        fiche.ledger.Mois = quint16(month);
        fiche.LitMois();
        // Written back as the entry page writes it; a year of fewer digits
        // makes a shorter key, which names no month of the file.
        if (year >= 1000) {
            fiche.ledger.MoisModifie = true;
            fiche.ledger.EcritMois();
        }
        document::Journal(fiche);
        document::Comptes(fiche);
        document::General(fiche);
    }
    document::Balance(fiche);
    document::Resultat(fiche);
    document::Bilan(fiche);
    fiche.Saisie();
}

std::vector<std::string> linesOf(const Fiche &fiche)
{
    return {fiche.ledger.Lignes.begin(), fiche.ledger.Lignes.end()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString path = fuzz::scratchFile(QStringLiteral("compta.jnl"));
    const QString first = fuzz::scratchFile(QStringLiteral("premier.jnl"));
    const QString second = fuzz::scratchFile(QStringLiteral("second.jnl"));
    writeBytes(path, std::string_view(reinterpret_cast<const char *>(data), size));

    FakePlatform fake;
    Fiche fiche(fake.platform);
    if (!fiche.Charge(path))
        return 0;
    const yearend::Period always{QDate(), QDate(9999, 12, 31)};
    const std::string fingerprint = yearend::fingerprint(yearend::bookEntries(fiche.ledger.Lignes), always);
    visitEveryMonth(fiche);
    FUZZ_CHECK(yearend::fingerprint(yearend::bookEntries(fiche.ledger.Lignes), always) == fingerprint);
    yearend::buildFec(fiche.ledger.Lignes, fiche.ledger.ref, fiche.ledger.fiscalYear);
    fiche.SetSauve();
    FUZZ_CHECK(fiche.Sauve(first));

    FakePlatform fakeAgain;
    Fiche reloaded(fakeAgain.platform);
    FUZZ_CHECK(reloaded.Charge(first));
    const FiscalYear &year = fiche.ledger.fiscalYear;
    const FiscalYear &yearAgain = reloaded.ledger.fiscalYear;
    FUZZ_CHECK(yearAgain.start == year.start && yearAgain.end == year.end && yearAgain.closing == year.closing);
    FUZZ_CHECK(yearAgain.validations == year.validations);
    FUZZ_CHECK(linesOf(reloaded) == linesOf(fiche));
    reloaded.SetSauve();
    FUZZ_CHECK(reloaded.Sauve(second));
    FUZZ_CHECK(readBytes(first) == readBytes(second));
    return 0;
}
