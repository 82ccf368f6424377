#include "FakePlatform.h"

#include "reference/ChartEditor.h"

#include <benchmark/benchmark.h>

namespace {

QStringList chart(int accounts)
{
    QStringList lines;
    for (int i = 0; i < accounts; ++i)
        lines.append(QStringLiteral("%1 NN Compte de tiers numéro %2").arg(100000 + i * 7 % 800000, 6).arg(i));
    return lines;
}

} // namespace

// Adding one account to a chart of n accounts: the duplicate scan and the
// re-sort that keeps the list in code order.
static void BM_PlanAddAccount(benchmark::State &state)
{
    FakeMessages messages;
    ChartEditor editor(messages);
    const QStringList lines = chart(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        editor.Init(lines);
        editor.codeField = QStringLiteral("999999");
        editor.labelField = QStringLiteral("Compte ajouté");
        state.ResumeTiming();
        editor.Envoi();
        benchmark::DoNotOptimize(editor.items().size());
    }
}
BENCHMARK(BM_PlanAddAccount)->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond);

// Handing a chart of n accounts back to the document, sorted.
static void BM_PlanResult(benchmark::State &state)
{
    FakeMessages messages;
    ChartEditor editor(messages);
    editor.Init(chart(int(state.range(0))));
    for (auto _ : state) {
        QStringList result;
        editor.Result(result);
        benchmark::DoNotOptimize(result.size());
    }
}
BENCHMARK(BM_PlanResult)->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
