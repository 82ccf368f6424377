#include "RecordingPrinter.h"
#include "WidgetBenchmarkMain.h"

#include "ledger/TextForms.h"
#include "platform/ui/QtPrinter.h"
#include "printing/Listings.h"
#include "reports/ViewPages.h"

#include <QFile>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

// A general ledger view of `rows` entries of one account.
MonthViewPage ledgerView(int rows)
{
    MonthViewPage comptes(8);
    comptes.filter = QStringLiteral("411000");
    comptes.name = QStringLiteral("Clients");
    for (int row = 1; row <= rows; ++row) {
        comptes.grid.growFor(row);
        comptes.grid.set(row, 0, QStringLiteral("%1/03/2002").arg(1 + row % 28, 2, 10, QLatin1Char('0')));
        comptes.grid.set(row, 1, QStringLiteral("411000"));
        comptes.grid.set(row, 2, QStringLiteral("Facture client %1").arg(row));
        comptes.grid.set(row, 3, QStringLiteral("VE"));
        comptes.grid.set(row, 4, QStringLiteral("F%1").arg(row));
        comptes.grid.set(row, row % 2 ? 5 : 6, forms::Rset(forms::formatAmount(Cents(row) * 1234)));
    }
    return comptes;
}

// The balance of a chart of `accounts` accounts.
BalancePage balanceOf(int accounts)
{
    BalancePage balance;
    balance.from = QDate(2002, 1, 1);
    balance.to = QDate(2002, 12, 31);
    for (int row = 1; row <= accounts; ++row) {
        balance.grid.growFor(row);
        const Cents debit = Cents(row) * 98765;
        const Cents credit = Cents(row) * 54321;
        balance.grid.set(row, 0, QString::number(100000 + row * 1000));
        balance.grid.set(row, 1, QStringLiteral("Compte %1").arg(row));
        balance.grid.set(row, 2, forms::Rset(forms::formatRunningSum(debit)));
        balance.grid.set(row, 3, forms::Rset(forms::formatRunningSum(credit)));
        balance.grid.set(row, 4, forms::formatAmount(debit - credit));
    }
    return balance;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString &file)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setOutputFileName(file);
    return printer;
}

int pdfPages(const QString &file)
{
    QFile pdf(file);
    if (!pdf.open(QIODevice::ReadOnly))
        return 0;
    const QString text = QString::fromLatin1(pdf.readAll());
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(text.count(page));
}

// The listing as the user prints it to a PDF file, at the printer's 1200 dots an inch.
template <typename Run>
void toPdf(benchmark::State &state, Run run)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("listing.pdf"));
    const auto printer = pdfPrinter(file);
    for (auto _ : state) {
        QtPrinter device(*printer);
        if (!run(device))
            state.SkipWithError("the PDF file could not be written");
    }
    state.counters["pages"] = pdfPages(file);
    state.counters["bytes"] = double(QFile(file).size());
}

void BM_GeneralLedgerListingToPdf(benchmark::State &state)
{
    const MonthViewPage comptes = ledgerView(int(state.range(0)));
    toPdf(state, [&](Printer &device) { return printing::ImpGL(device, comptes, QStringLiteral("Mars"), 2002); });
}
BENCHMARK(BM_GeneralLedgerListingToPdf)->Arg(2000)->Unit(benchmark::kMillisecond);

void BM_BalanceListingToPdf(benchmark::State &state)
{
    const BalancePage balance = balanceOf(int(state.range(0)));
    toPdf(state, [&](Printer &device) { return printing::ImpBalance(device, balance); });
}
BENCHMARK(BM_BalanceListingToPdf)->Arg(300)->Unit(benchmark::kMillisecond);

// The layout alone, on a printer that only records: what the print run costs
// before the device draws anything.
void BM_GeneralLedgerLayout(benchmark::State &state)
{
    const MonthViewPage comptes = ledgerView(int(state.range(0)));
    for (auto _ : state) {
        RecordingPrinter printer(1200, 200, 287);
        printing::ImpGL(printer, comptes, QStringLiteral("Mars"), 2002);
        benchmark::DoNotOptimize(printer.calls.size());
    }
}
BENCHMARK(BM_GeneralLedgerLayout)->Arg(2000)->Unit(benchmark::kMillisecond);

} // namespace

TAVELIN_WIDGET_BENCHMARK_MAIN();
