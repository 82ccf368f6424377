#include "LedgerGenerator.h"

#include "reports/AccountBalance.h"
#include "reports/BalanceSheet.h"
#include "reports/IncomeStatement.h"
#include "reports/MonthViews.h"

#include <benchmark/benchmark.h>

namespace {

// The balance of a year of `entries` entries, on about 300 accounts or, when
// given, on `accounts` accounts all in the chart (each row's label is then a
// look-up in a chart that large).
void balanceOfTheYear(benchmark::State &state, int entries, int accounts)
{
    const LineList lines = generatedLines(entries, accounts);
    const ReferenceData ref = generatedChart(accounts);
    BalancePage page;
    page.from = QDate(2002, 1, 1);
    page.to = QDate(2002, 12, 31);
    for (auto _ : state) {
        reports::LitBalance(page, lines, ref);
        benchmark::DoNotOptimize(page.totalDebit);
    }
}

void BM_BalanceOfTheYear(benchmark::State &state) { balanceOfTheYear(state, int(state.range(0)), 0); }
void BM_BalanceOfManyAccounts(benchmark::State &state) { balanceOfTheYear(state, 100000, int(state.range(0))); }
BENCHMARK(BM_BalanceOfTheYear)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BalanceOfManyAccounts)->Arg(40000)->Unit(benchmark::kMillisecond);

void BM_IncomeStatementOfTheYear(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    PeriodPage page(32, 4);
    page.from = QDate(2002, 1, 1);
    page.to = QDate(2002, 12, 31);
    for (auto _ : state) {
        reports::LitResultat(page, lines);
        benchmark::DoNotOptimize(page.grid.at(16, 1));
    }
}
BENCHMARK(BM_IncomeStatementOfTheYear)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_BalanceSheetOfTheYear(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    BalanceSheetPage page;
    page.to = QDate(2002, 12, 31);
    const FiscalYear year{QDate(2002, 1, 1), page.to, QDate(2002, 1, 1)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(reports::LitBilan(page, lines, year));
        benchmark::DoNotOptimize(page.grid.at(19, 1));
    }
}
BENCHMARK(BM_BalanceSheetOfTheYear)->Arg(100000)->Unit(benchmark::kMillisecond);

// One month of the year (about a twelfth of the entries) through each view,
// with the filter that lists the most.
template <QString (*Build)(MonthViewPage &, const LineList &, int, int, const ReferenceData &)>
void monthView(benchmark::State &state, const char *filter, int columns)
{
    const LineList lines = generatedLines(int(state.range(0)));
    const ReferenceData ref = generatedChart();
    MonthViewPage page(columns);
    page.filter = QString::fromLatin1(filter);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Build(page, lines, 2002, 6, ref));
        benchmark::DoNotOptimize(page.totalDebit);
    }
}

void BM_JournalViewOfAMonth(benchmark::State &state) { monthView<reports::LitJnl>(state, "Tous", 8); }
void BM_LedgerViewOfAMonth(benchmark::State &state) { monthView<reports::LitCpt>(state, "411", 8); }
void BM_GeneralJournalOfAMonth(benchmark::State &state) { monthView<reports::LitGeneral>(state, "Tous", 6); }
BENCHMARK(BM_JournalViewOfAMonth)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LedgerViewOfAMonth)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GeneralJournalOfAMonth)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
