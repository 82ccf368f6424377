#include "FakePlatform.h"
#include "LedgerGenerator.h"

#include "document/InvoiceCommands.h"
#include "entry/EntryLine.h"
#include "entry/MonthOrder.h"
#include "document/Fiche.h"
#include "ledger/LedgerFile.h"
#include "ledger/TextForms.h"

#include <benchmark/benchmark.h>

namespace {

// A document showing March 2002 of a ledger whose months hold `perMonth`
// entries each, in the random day order of the generated file, or ordered
// by day as the program leaves a month it has posted into.
void loadMarch(Fiche &fiche, int perMonth, bool ordered)
{
    fiche.ledger.Lignes = ledgerfile::parse(std::make_unique<std::string>(generateLedger(perMonth * 12)));
    fiche.ledger.LitHead();
    fiche.ledger.Annee = 2002;
    fiche.ledger.Mois = 3;
    fiche.LitMois();
    if (ordered)
        entry::Tri(fiche.ledger.monthGrid, fiche.ledger.NbLignes);
}

void postOneLine(benchmark::State &state, bool ordered)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    loadMarch(fiche, int(state.range(0)), ordered);
    const TextGrid month = fiche.ledger.monthGrid;
    const int lines = fiche.ledger.NbLignes;
    for (auto _ : state) {
        state.PauseTiming();
        fiche.ledger.monthGrid = month;
        fiche.ledger.NbLignes = lines;
        fiche.entry.panel = EntryPanel{QStringLiteral("14/03/2002"), QStringLiteral("411000"), QStringLiteral("Facture"),
                                 QStringLiteral("VE"), QStringLiteral("F1"), QStringLiteral("1234.56"), {}};
        state.ResumeTiming();
        const bool posted = EntryLine(fiche.ledger, fiche.entry).post();
        benchmark::DoNotOptimize(posted);
    }
    state.counters["lines"] = lines;
}

void BM_PostIntoOrderedMonth(benchmark::State &state)
{
    postOneLine(state, true);
}

// The first posting after a month read from a file in no particular order:
// the exchange procedure does all its exchanges at once.
void BM_PostIntoUnorderedMonth(benchmark::State &state)
{
    postOneLine(state, false);
}

// A dialog's worth of invoices (20, over March and April) posted into a
// ledger of `perMonth` entries a month: the month on screen is written back
// and read again around the appends.
void BM_PostInvoices(benchmark::State &state)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    loadMarch(fiche, int(state.range(0)), true);
    fiche.ledger.ref = generatedChart();
    const LineList lines = fiche.ledger.Lignes;
    std::vector<Invoice> invoices;
    for (int i = 0; i < 20; ++i) {
        Invoice inv;
        inv[InvoiceField::Date] = forms::formatDate(QDate(2002, i % 2 ? 4 : 3, 1 + i % 28));
        inv[InvoiceField::Counterparty] = QStringLiteral("411000");
        inv[InvoiceField::Revenue] = QStringLiteral("707000");
        inv[InvoiceField::Vat] = QStringLiteral("445700");
        inv[InvoiceField::Journal] = QStringLiteral("VE");
        inv[InvoiceField::Label] = QStringLiteral("Facture %1").arg(i);
        inv[InvoiceField::WithTax] = QStringLiteral("120,00");
        inv[InvoiceField::BeforeTax] = QStringLiteral("100,00");
        inv[InvoiceField::VatAmount] = QStringLiteral("20,00");
        invoices.push_back(inv);
    }
    for (auto _ : state) {
        state.PauseTiming();
        fiche.ledger.Lignes = lines;
        fiche.LitMois();
        fiche.ledger.MoisModifie = true;
        state.ResumeTiming();
        document::postInvoices(fiche, invoices, InvoiceKind::Customer);
    }
    state.counters["lines"] = double(lines.size());
}

} // namespace

BENCHMARK(BM_PostInvoices)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostIntoOrderedMonth)->Arg(100)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PostIntoUnorderedMonth)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
