#include "calculators/EuroConverter.h"
#include "calculators/LoanSchedule.h"
#include "calculators/NumberText.h"
#include "calculators/PocketCalculator.h"
#include "calculators/SavingsSchedule.h"

#include <benchmark/benchmark.h>

namespace {

const QDate today(2002, 3, 15);

} // namespace

// One loan calculation: the payment and every row of the schedule, in doubles.
// The payment of 9,44 on 10000 at 1 % runs to the 292-row stop.
static void BM_LoanSchedule(benchmark::State &state)
{
    const ScheduleFields fields{QStringLiteral("10000"), QStringLiteral("1"), int(state.range(0)),
                                state.range(0) == 292 ? QStringLiteral("9,44") : QString()};
    for (auto _ : state) {
        const CalculationOutcome outcome = loan::calculate(fields, today);
        benchmark::DoNotOptimize(std::get<Calculation>(outcome).schedule.rows.size());
    }
}
BENCHMARK(BM_LoanSchedule)->Arg(12)->Arg(292)->Unit(benchmark::kMicrosecond);

// One savings calculation of n months.
static void BM_SavingsSchedule(benchmark::State &state)
{
    const ScheduleFields fields{QStringLiteral("1000"), QStringLiteral("3,5"), int(state.range(0)), QStringLiteral("150")};
    for (auto _ : state) {
        const CalculationOutcome outcome = savings::calculate(fields, today);
        benchmark::DoNotOptimize(std::get<Calculation>(outcome).schedule.rows.size());
    }
}
BENCHMARK(BM_SavingsSchedule)->Arg(24)->Arg(1200)->Unit(benchmark::kMicrosecond);

// Writing a schedule of n months into the window's grid, as each calculation does
// (the grid keeps its cells from one calculation to the next).
static void BM_ScheduleGridFill(benchmark::State &state)
{
    const ScheduleFields fields{QStringLiteral("1000"), QStringLiteral("3,5"), int(state.range(0)), QStringLiteral("150")};
    const Schedule schedule = std::get<Calculation>(savings::calculate(fields, today)).schedule;
    TextGrid grid = schedulegrid::make({"Mois", "Date", "Capital", "Intérêt", "Mensualité"});
    for (auto _ : state) {
        schedulegrid::fill(grid, schedule);
        benchmark::DoNotOptimize(grid.at(1, 2).size());
    }
    state.counters["rows"] = grid.rowCount();
}
BENCHMARK(BM_ScheduleGridFill)->Arg(292)->Arg(1200)->Unit(benchmark::kMicrosecond);

// The two number forms the displays and grids use.
static void BM_NumberForms(benchmark::State &state)
{
    double value = 1.0 / 3;
    for (auto _ : state) {
        benchmark::DoNotOptimize(numbers::general(value).size());
        benchmark::DoNotOptimize(numbers::fixed2(value * 12345.678).size());
        value += 0.001;
    }
}
BENCHMARK(BM_NumberForms);

// A converter amount typed, converted and cleared by the next key.
static void BM_EuroConversion(benchmark::State &state)
{
    EuroConverter converter;
    for (auto _ : state) {
        for (QChar key : QStringLiteral("1234,56\r"))
            converter.type(key);
        benchmark::DoNotOptimize(converter.result().size());
    }
}
BENCHMARK(BM_EuroConversion);

// "2 + 3 * 4 =" on the pocket calculator, then "C".
static void BM_PocketSequence(benchmark::State &state)
{
    PocketCalculator calculator;
    for (auto _ : state) {
        for (QChar key : QStringLiteral("2+3*4=c"))
            calculator.press(*PocketCalculator::buttonForKey(key));
        benchmark::DoNotOptimize(calculator.display().size());
    }
}
BENCHMARK(BM_PocketSequence);

BENCHMARK_MAIN();
