#include "ledger/CodeList.h"
#include "ledger/LineList.h"
#include "ledger/TextForms.h"
#include "lettering/AgedBalance.h"
#include "lettering/AutoLettering.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace {

// A year of 2002 of 100,000 entries: 500 customers' invoices, each with its
// sale, and their payments, each with its bank line. Four invoices in five
// are paid 5 to 45 days later, most of them by one payment of the same
// amount, some by one payment of two invoices; the rest stay open.
struct Year {
    LineList lines;
    CodeList chart{CodeList::Kind::Chart};
};

Year generateYear(int entries)
{
    struct Entry {
        QDate date;
        std::string account, label, journal, voucher;
        Cents debit = 0, credit = 0;
    };
    std::vector<Entry> made;
    std::mt19937 random(39);
    const auto customer = [&] { return "411" + std::to_string(100 + random() % 500); };
    int number = 0;
    while (int(made.size()) < entries) {
        const std::string account = customer();
        const int invoices = random() % 8 == 0 ? 2 : 1;
        QDate last;
        Cents total = 0;
        for (int k = 0; k < invoices; ++k) {
            const QDate date = QDate(2002, 1, 1).addDays(int(random() % 330));
            const Cents amount = Cents(random() % 200000 + 100);
            const std::string voucher = "F" + std::to_string(++number);
            made.push_back({date, account, "Facture " + voucher, "VE", voucher, amount, 0});
            made.push_back({date, "706000", "Facture " + voucher, "VE", voucher, 0, amount});
            last = std::max(last, date);
            total += amount;
        }
        if (random() % 5 == 0)
            continue;
        const QDate paid = last.addDays(int(5 + random() % 40));
        made.push_back({paid, account, "Règlement", "BQ", "", 0, total});
        made.push_back({paid, "512000", "Règlement", "BQ", "", total, 0});
    }
    made.resize(std::size_t(entries));
    std::stable_sort(made.begin(), made.end(), [](const Entry &a, const Entry &b) { return a.date < b.date; });
    Year year;
    const auto amount = [](Cents value) { return value == 0 ? std::string() : forms::formatAmount(value).toStdString(); };
    for (const Entry &e : made) {
        const std::string key = forms::monthKey(e.date.year(), e.date.month());
        const std::string cells[8] = {forms::formatDate(e.date).toStdString(), e.account, e.label, e.journal,
                                      e.voucher, amount(e.debit), amount(e.credit), ""};
        for (int c = 0; c < 8; ++c)
            year.lines.append(key + char('0' + c) + cells[c]);
    }
    for (int n = 100; n < 600; ++n)
        year.chart.append(QStringLiteral("411%1 ON Client %1").arg(n));
    return year;
}

const Year &year()
{
    static const Year generated = generateYear(100000);
    return generated;
}

// The proposal: the customers' lines read, their groups found.
void BM_AutomaticLettering(benchmark::State &state)
{
    const LineList &lines = year().lines;
    std::size_t groups = 0;
    for (auto _ : state) {
        const std::vector<lettering::Line> read = lettering::accountLines(lines, QStringLiteral("411"));
        lettering::CodeBook codes(read);
        groups = lettering::automaticGroups(read, codes).size();
        benchmark::DoNotOptimize(groups);
    }
    state.counters["groups"] = double(groups);
}
BENCHMARK(BM_AutomaticLettering)->Unit(benchmark::kMillisecond);

// The proposal applied: the lettering lines written into the list.
void BM_AutomaticLetteringApplied(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        LineList lines = year().lines;
        state.ResumeTiming();
        const std::vector<lettering::Line> read = lettering::accountLines(lines, QStringLiteral("411"));
        lettering::CodeBook codes(read);
        lettering::apply(lines, read, lettering::automaticGroups(read, codes));
        benchmark::DoNotOptimize(lines.size());
        state.PauseTiming(); // the copy's freeing is no part of the lettering
        lines = LineList();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AutomaticLetteringApplied)->Unit(benchmark::kMillisecond);

// The aged balance of the customers at the year's end, once they are lettered.
void BM_AgedBalance(benchmark::State &state)
{
    static const LineList lettered = [] {
        LineList lines = year().lines;
        const std::vector<lettering::Line> read = lettering::accountLines(lines, QStringLiteral("411"));
        lettering::CodeBook codes(read);
        lettering::apply(lines, read, lettering::automaticGroups(read, codes));
        return lines;
    }();
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = lettering::agedBalance(lettered, year().chart, QDate(2002, 12, 31), QStringLiteral("411")).rows.size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_AgedBalance)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
