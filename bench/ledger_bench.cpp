// Speed of the ledger document on generated years of 10,000 and 100,000
// entries: loading, reading a month, changing month, saving; and the memory
// the process holds with the document loaded.
#include "FakePlatform.h"
#include "LedgerGenerator.h"

#include "document/Fiche.h"
#include "ledger/LedgerFile.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <fstream>
#include <sys/resource.h>

namespace {

struct Ledger {
    QTemporaryDir dir;
    QString path;
    explicit Ledger(int entries)
    {
        path = dir.filePath(QStringLiteral("bench.jnl"));
        const std::string text = generateLedger(entries);
        std::ofstream(path.toStdString(), std::ios::binary).write(text.data(), std::streamsize(text.size()));
    }
};

Ledger &ledgerOf(int entries)
{
    static Ledger small(10000);
    static Ledger large(100000);
    return entries == 10000 ? small : large;
}

double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void BM_Load(benchmark::State &state)
{
    Ledger &ledger = ledgerOf(int(state.range(0)));
    FakePlatform fake;
    for (auto _ : state) {
        Fiche fiche(fake.platform);
        fiche.Charge(ledger.path);
        benchmark::DoNotOptimize(fiche.ledger.Lignes.size());
    }
}

void BM_LitMois(benchmark::State &state)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.Charge(ledgerOf(int(state.range(0))).path);
    for (auto _ : state)
        fiche.LitMois();
    state.counters["lignes du mois"] = fiche.ledger.NbLignes;
}

// A month change after an edit: the month is written back (one pass over the
// list, the month appended at the end) and the next month read.
void BM_MonthChange(benchmark::State &state)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.Charge(ledgerOf(int(state.range(0))).path);
    for (auto _ : state) {
        fiche.ledger.MoisModifie = true;
        if (fiche.ledger.Mois == 12) {
            fiche.Premier();
        } else {
            fiche.Suivant();
        }
    }
}

void BM_Save(benchmark::State &state)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    Ledger &ledger = ledgerOf(int(state.range(0)));
    fiche.Charge(ledger.path);
    const QString target = ledger.dir.filePath(QStringLiteral("copie.jnl"));
    for (auto _ : state) {
        fiche.SetSauve();
        fiche.Sauve(target);
    }
}

// Run alone (--benchmark_filter=Memory) to read the peak of a process that
// holds one loaded document.
void BM_MemoryWithDocumentLoaded(benchmark::State &state)
{
    Ledger &ledger = ledgerOf(int(state.range(0)));
    FakePlatform fake;
    Fiche fiche(fake.platform);
    for (auto _ : state) {
        fiche.Charge(ledger.path);
        benchmark::DoNotOptimize(fiche.ledger.Lignes.size());
    }
    state.counters["pic Mo"] = peakMegabytes();
}

} // namespace

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LitMois)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MonthChange)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MemoryWithDocumentLoaded)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
