#include "FakePlatform.h"
#include "LedgerGenerator.h"
#include "WidgetBenchmarkMain.h"

#include "document/DashboardCommands.h"
#include "document/ui/TFiche.h"
#include "ledger/ui/DocumentPage.h"
#include "reports/Dashboard.h"

#include <benchmark/benchmark.h>

namespace {

const FiscalYear kYear{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};

} // namespace

// The dashboard's figures of a year of n entries: one walk over the lines.
static void BM_DashboardFiguresOfTheYear(benchmark::State &state)
{
    const LineList lines = generatedLines(int(state.range(0)));
    for (auto _ : state) {
        const reports::Dashboard figures = reports::dashboardOf(lines, kYear, QDate(2002, 6, 15));
        benchmark::DoNotOptimize(figures.treasuryToday);
    }
}
BENCHMARK(BM_DashboardFiguresOfTheYear)->Arg(100000)->Unit(benchmark::kMillisecond);

// The page on screen drawn again after a change to the document: its figures
// read again, its four charts and tables rebuilt, and the whole painted.
static void BM_DashboardPageDrawn(benchmark::State &state)
{
    FakePlatform fake;
    TFiche window(fake.platform);
    window.fiche().ledger.Lignes = generatedLines(int(state.range(0)));
    window.run([](Fiche &f) {
        f.ledger.LitHead();
        f.ledger.fiscalYear.start = kYear.start;
        f.ledger.fiscalYear.end = kYear.end;
    });
    window.resize(1100, 700);
    window.show();
    window.run(document::TableauDeBord);
    QCoreApplication::processEvents();
    DocumentPage *page = window.page(Page::TableauDeBord);
    for (auto _ : state) {
        page->refresh();
        benchmark::DoNotOptimize(page->grab());
    }
}
BENCHMARK(BM_DashboardPageDrawn)->Arg(100000)->Unit(benchmark::kMillisecond);

TAVELIN_WIDGET_BENCHMARK_MAIN();
