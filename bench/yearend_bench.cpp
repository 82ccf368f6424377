#include "LedgerGenerator.h"

#include "ledger/FileIO.h"
#include "ledger/LedgerFile.h"
#include "ledger/ValidationRegister.h"
#include "ledger/YearEntries.h"
#include "yearend/EntryValidation.h"
#include "yearend/Fec.h"
#include "yearend/Fingerprint.h"

#include <QDir>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>

namespace {

constexpr int kYear = 100000;

// A year of `entries` entries that passes the checks: écritures of two lines
// (a debit, then its credit under the same voucher), on the generated chart,
// spread over the twelve months of 2002.
LineList balancedYear(int entries)
{
    std::string out = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
    char line[256];
    for (int i = 0; i < entries; ++i) {
        const int e = i / 2; // the écriture
        const int month = 1 + (e * 24) / entries;
        const int account = (1 + (i + e) % 7) * 100000 + (e % 43) * 1000;
        const long cents = 100 + (e * 7919L) % 500000;
        char amount[32];
        std::snprintf(amount, sizeof amount, "%ld,%02ld", cents / 100, cents % 100);
        const char *journal = e % 3 == 0 ? "VE" : e % 3 == 1 ? "AC" : "BQ";
        std::snprintf(line, sizeof line,
                      "2002%02d0%02d/%02d/2002\r\n2002%02d1%06d\r\n2002%02d2Facture n\xB0 %d du client\r\n"
                      "2002%02d3%s\r\n2002%02d4F%06d\r\n2002%02d5%s\r\n2002%02d6%s\r\n2002%02d7\r\n",
                      month, 1 + e % 28, month, month, account, month, e, month, journal, month, e, month,
                      i % 2 == 0 ? amount : "", month, i % 2 == 0 ? "" : amount, month);
        out += line;
    }
    return ledgerfile::parse(std::make_unique<std::string>(std::move(out)));
}

const FiscalYear kOpenYear{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};

void BM_ValidateYear(benchmark::State &state)
{
    const LineList lines = balancedYear(int(state.range(0)));
    const ReferenceData ref = generatedChart();
    for (auto _ : state) {
        FiscalYear year = kOpenYear;
        const yearend::ValidationOutcome outcome =
            yearend::validateEntries(lines, ref, year, QDate(2002, 12, 31), QDate(2003, 1, 15));
        if (!outcome.problems.empty() || outcome.validatedLines != state.range(0))
            state.SkipWithError("the year did not validate");
    }
}
BENCHMARK(BM_ValidateYear)->Arg(kYear)->Unit(benchmark::kMillisecond);

void BM_FecExport(benchmark::State &state)
{
    const LineList lines = balancedYear(int(state.range(0)));
    const ReferenceData ref = generatedChart();
    QTemporaryDir dir;
    for (auto _ : state) {
        const yearend::Fec fec = yearend::buildFec(lines, ref, kOpenYear);
        if (!fec.problems.empty())
            state.SkipWithError("the checks found problems");
        const QString path = QDir(dir.path()).filePath(yearend::fecFileName(QStringLiteral("732829320"), kOpenYear));
        if (state.range(1) != 0 && !fileio::writeAtomically(path, fec.bytes).isEmpty())
            state.SkipWithError("the FEC could not be written");
    }
}
// The file made, then made and written to the disk.
BENCHMARK(BM_FecExport)->Args({kYear, 0})->Args({kYear, 1})->Unit(benchmark::kMillisecond);

// What the opening of a dossier validated month by month adds: the entries
// read and every fingerprint computed again.
void BM_FingerprintCheckAtOpening(benchmark::State &state)
{
    const LineList lines = balancedYear(int(state.range(0)));
    const ReferenceData ref = generatedChart();
    FiscalYear year = kOpenYear;
    for (int month = 1; month <= 12; ++month)
        yearend::validateEntries(lines, ref, year, QDate(2002, month, 1).addMonths(1).addDays(-1), QDate(2003, 1, 15));
    if (year.validations.size() != 12)
        state.SkipWithError("the year did not validate");
    for (auto _ : state) {
        const auto altered = yearend::alteredValidations(lines, year.validations, year.chainStart());
        if (!altered.empty())
            state.SkipWithError("a fingerprint differs");
    }
}
BENCHMARK(BM_FingerprintCheckAtOpening)->Arg(10000)->Arg(kYear)->Unit(benchmark::kMillisecond);

// The rule of the entries of the year over every line, as the closing, the
// validation and the final closing check it before anything else.
void BM_StrayLines(benchmark::State &state)
{
    const LineList lines = balancedYear(int(state.range(0)));
    for (auto _ : state) {
        const std::vector<yearentries::Stray> strays = yearentries::strayLines(lines, kOpenYear);
        if (!strays.empty())
            state.SkipWithError("a line of the generated year strays");
    }
}
BENCHMARK(BM_StrayLines)->Arg(kYear)->Unit(benchmark::kMillisecond);

// The register's check at opening: the dossier's twelve records against a
// register that knows them.
void BM_RegisterCheckAtOpening(benchmark::State &state)
{
    const LineList lines = balancedYear(kYear);
    const ReferenceData ref = generatedChart();
    FiscalYear year = kOpenYear;
    for (int month = 1; month <= 12; ++month)
        yearend::validateEntries(lines, ref, year, QDate(2002, month, 1).addMonths(1).addDays(-1), QDate(2003, 1, 15));
    QTemporaryDir dir;
    ValidationRegister written;
    written.record(year);
    if (!written.save(QDir(dir.path())).isEmpty())
        state.SkipWithError("the register could not be written");
    for (auto _ : state) {
        ValidationRegister validations;
        validations.load(QDir(dir.path()));
        if (!validations.discrepancies(year).isEmpty())
            state.SkipWithError("the register disagrees");
    }
}
BENCHMARK(BM_RegisterCheckAtOpening)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
