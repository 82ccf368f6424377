#include "FakePlatform.h"
#include "LedgerGenerator.h"

#include "entry/EntryLine.h"
#include "entry/MonthOrder.h"
#include "document/Fiche.h"
#include "ledger/LedgerFile.h"

#include <benchmark/benchmark.h>

namespace {

// A document showing March 2002 of a ledger whose months hold `perMonth`
// entries each, in the random day order of the generated file, or ordered
// by day as the program leaves a month it has posted into.
void loadMarch(Fiche &fiche, int perMonth, bool ordered)
{
    fiche.Lignes = ledgerfile::parse(std::make_unique<std::string>(generateLedger(perMonth * 12)));
    fiche.LitHead();
    fiche.Annee = 2002;
    fiche.Mois = 3;
    fiche.LitMois();
    if (ordered)
        entry::Tri(fiche.monthGrid, fiche.NbLignes);
}

void postOneLine(benchmark::State &state, bool ordered)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    loadMarch(fiche, int(state.range(0)), ordered);
    const TextGrid month = fiche.monthGrid;
    const int lines = fiche.NbLignes;
    for (auto _ : state) {
        state.PauseTiming();
        fiche.monthGrid = month;
        fiche.NbLignes = lines;
        fiche.panel = EntryPanel{QStringLiteral("14/03/2002"), QStringLiteral("411000"), QStringLiteral("Facture"),
                                 QStringLiteral("VE"), QStringLiteral("F1"), QStringLiteral("1234.56"), {}};
        state.ResumeTiming();
        const bool posted = EntryLine(fiche, fiche).post();
        benchmark::DoNotOptimize(posted);
    }
    state.counters["lines"] = lines;
}

void BM_PostIntoOrderedMonth(benchmark::State &state)
{
    postOneLine(state, true);
}

// The first posting after a month read from a file in no particular order:
// the exchange procedure does all its exchanges at once.
void BM_PostIntoUnorderedMonth(benchmark::State &state)
{
    postOneLine(state, false);
}

} // namespace

BENCHMARK(BM_PostIntoOrderedMonth)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostIntoUnorderedMonth)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
