#include "LedgerGenerator.h"

#include "exchange/EntrySearch.h"
#include "exchange/ExchangeText.h"
#include "exchange/Import.h"
#include "exchange/MonthSearch.h"
#include "ledger/MonthLines.h"
#include "ledger/MonthIO.h"
#include "yearend/Closing.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kYear = 100000;

void BM_ExportWholeJournal(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    for (auto _ : state) {
        std::string text = exchange::exportJournal(lines);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ExportWholeJournal)->Arg(kYear)->Unit(benchmark::kMillisecond);

void BM_ExportMonth(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    TextGrid grid(32, monthlines::kColumnCount);
    monthio::read(lines, "200206", grid);
    for (auto _ : state) {
        std::string text = exchange::exportMonth(grid);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_ExportMonth)->Arg(kYear)->Unit(benchmark::kMillisecond);

// Import of an exchange file of `range(0)` lines into a year that already
// holds 100,000 entries.
void BM_Import(benchmark::State &state)
{
    const std::string file = exchange::exportJournal(generatedLines(int(state.range(0))));
    const LineList year = generatedLines(kYear);
    for (auto _ : state) {
        state.PauseTiming();
        LineList lines = year;
        std::string bytes = file;
        state.ResumeTiming();
        const exchange::ImportSummary summary = exchange::importEntries(std::move(bytes), lines, FiscalYear{});
        benchmark::DoNotOptimize(summary.entries);
    }
}
BENCHMARK(BM_Import)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// A UTF-8 file: every line carries an accented label.
void BM_ImportUtf8(benchmark::State &state)
{
    std::string file;
    for (int i = 0; i < state.range(0); ++i)
        file += "15/03/2002\t411000\tR\xC3\xA8glement facture " + std::to_string(i) + "\tBQ\tF1\t12,50\t\r\n";
    for (auto _ : state) {
        LineList lines;
        const exchange::ImportSummary summary = exchange::importEntries(file, lines, FiscalYear{});
        benchmark::DoNotOptimize(summary.entries);
    }
}
BENCHMARK(BM_ImportUtf8)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SearchWithoutMatch(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    exchange::EntrySearch search;
    for (auto _ : state) {
        search.start(QStringLiteral("introuvable"));
        benchmark::DoNotOptimize(search.next(lines));
    }
}
BENCHMARK(BM_SearchWithoutMatch)->Arg(kYear)->Unit(benchmark::kMillisecond);

// Every match of the year, one "Continuer" after the other (a label word
// every entry holds).
void BM_SearchEveryMatch(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    exchange::EntrySearch search;
    for (auto _ : state) {
        search.start(QStringLiteral("CLIENT"));
        int found = 0;
        while (search.next(lines))
            ++found;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_SearchEveryMatch)->Arg(kYear)->Unit(benchmark::kMillisecond);

void BM_RowsOfEveryMonthWithoutMatch(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    const exchange::SearchText text(QStringLiteral("introuvable"));
    for (auto _ : state)
        benchmark::DoNotOptimize(exchange::rowsHolding(lines, text));
}
BENCHMARK(BM_RowsOfEveryMonthWithoutMatch)->Arg(kYear)->Unit(benchmark::kMillisecond);

void BM_Closing(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    const ReferenceData ref = generatedChart();
    const FiscalYear year{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};
    for (auto _ : state) {
        const yearend::OpeningEntries entries = yearend::openingEntries(lines, year, ref.ListePlc);
        benchmark::DoNotOptimize(entries.text.data());
    }
}
BENCHMARK(BM_Closing)->Arg(kYear)->Unit(benchmark::kMillisecond);

// The closing of a year of 100,000 entries on as many accounts as the
// argument, all in the chart: each account is looked up among the balances
// met before it and in the chart.
void BM_ClosingOfManyAccounts(benchmark::State &state)
{
    const int accounts = int(state.range(0));
    const LineList lines = generatedLines(kYear, accounts);
    const ReferenceData ref = generatedChart(accounts);
    const FiscalYear year{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};
    for (auto _ : state) {
        const yearend::OpeningEntries entries = yearend::openingEntries(lines, year, ref.ListePlc);
        benchmark::DoNotOptimize(entries.text.data());
    }
}
BENCHMARK(BM_ClosingOfManyAccounts)->Arg(40000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
