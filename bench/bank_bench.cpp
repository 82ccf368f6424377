#include "StatementFiles.h"

#include "bank/BookEntries.h"
#include "bank/Matching.h"
#include "bank/StatementFile.h"
#include "ledger/LineList.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>
#include <string>

namespace {

// A year of 100,000 entries of 2002 of which one in five is on the bank
// account, with amounts that recur as a business's do (rents, subscriptions,
// the same price sold again), and a statement of 2,000 lines: most of them
// the bank account's entries a few days later, the rest the bank's own.
struct Year {
    LineList lines;
    bank::Statement statement;
};

Year generateYear(int entries, int statementLines)
{
    Year year;
    std::mt19937 random(28);
    std::vector<std::pair<QDate, Cents>> bankEntries;
    for (int i = 0; i < entries; ++i) {
        const QDate date = QDate(2002, 1, 1).addDays(int(random() % 365));
        const bool bank = i % 5 == 0;
        const Cents amount = Cents(random() % 3000 + 1) * (random() % 4 == 0 ? 100 : 7);
        const std::string key = forms::monthKey(date.year(), date.month());
        const std::string cells[8] = {forms::formatDate(date).toStdString(), bank ? "512000" : "607000", "Libellé",
                                      "BQ", "", bank ? "" : forms::formatAmount(amount).toStdString(),
                                      bank ? forms::formatAmount(amount).toStdString() : "", ""};
        for (int c = 0; c < 8; ++c)
            year.lines.append(key + char('0' + c) + cells[c]);
        if (bank)
            bankEntries.emplace_back(date, -amount);
    }
    for (int i = 0; i < statementLines; ++i) {
        const auto &[date, amount] = bankEntries[std::size_t(i) * bankEntries.size() / std::size_t(statementLines)];
        const bool booked = i % 10 != 0;
        year.statement.lines.push_back(
            {date.addDays(int(random() % 4)), booked ? amount : -Cents(random() % 5000 + 1), QStringLiteral("PRLV"), {}});
    }
    return year;
}

// The whole work of a reconciliation once the statement is read: the bank
// account's entries out of the line list, then the matching.
void BM_MatchStatement(benchmark::State &state)
{
    const Year year = generateYear(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        const std::vector<bank::BookEntry> entries = bank::accountEntries(year.lines, QStringLiteral("512000"));
        const bank::Matching matching = bank::match(year.statement, entries);
        benchmark::DoNotOptimize(matching.lines.data());
    }
}
BENCHMARK(BM_MatchStatement)->Args({100000, 2000})->Unit(benchmark::kMillisecond);

// Reading a statement file of one OFX statement with this many transactions,
// in SGML as French banks send it and in XML: a bank's year of card payments
// must answer at once, and the time must grow with the file, not faster.
void BM_ReadOfxStatement(benchmark::State &state)
{
    bank::Statement s;
    s.start = QDate(2024, 1, 1);
    s.end = QDate(2024, 12, 31);
    s.closingBalance = 0;
    for (int i = 0; i < state.range(0); ++i)
        s.lines.push_back({s.start->addDays(i % 366), -Cents(i % 9000 + 1), QStringLiteral("CB CARREFOUR %1").arg(i), {}});
    const std::string bytes = state.range(1) ? statementfiles::ofxXml(s) : statementfiles::ofxSgml(s);
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("releve.ofx")));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        state.SkipWithError("the statement file could not be written");
    file.close();
    for (auto _ : state) {
        bank::Statement read;
        const bank::StatementReading reading = bank::readStatementFile(file.fileName(), {}, read);
        if (!reading.read)
            state.SkipWithError(reading.message.toStdString().c_str());
        benchmark::DoNotOptimize(read.lines.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(BM_ReadOfxStatement)
    ->ArgNames({"transactions", "xml"})
    ->Args({40000, 0})
    ->Args({40000, 1})
    ->Args({200000, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
