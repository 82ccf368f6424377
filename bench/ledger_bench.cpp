#include "LedgerGenerator.h"

#include "ledger/LedgerFile.h"

#include <benchmark/benchmark.h>

static void BM_ParseLedger(benchmark::State &state)
{
    const std::string text = generateLedger(int(state.range(0)));
    for (auto _ : state) {
        LineList lines = ledgerfile::parse(std::make_unique<std::string>(text));
        benchmark::DoNotOptimize(lines.size());
    }
}
BENCHMARK(BM_ParseLedger)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
