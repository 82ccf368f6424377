#include "EInvoiceFiles.h"
#include "FakePlatform.h"
#include "LedgerGenerator.h"
#include "TempDir.h"

#include "einvoice/InvoiceFile.h"
#include "einvoice/PurchaseEntry.h"
#include "einvoice/Reception.h"
#include "entry/ProposedPosting.h"
#include "ledger/Ledger.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Received invoices read and proposed: one invoice of 200 lines, and a
// reception of 1,000 files of the three formats against a year of 20,000
// entries, whose lines the duplicate check walks for each invoice.

namespace {

einvoicefiles::Draft invoiceOfLines(int count, int number)
{
    einvoicefiles::Draft draft;
    draft.number = "F2002-" + std::to_string(number);
    draft.date = "2002-03-15";
    draft.lines.clear();
    for (int i = 0; i < count; ++i)
        draft.lines.push_back({"Article " + std::to_string(i), "2", i % 2 ? "1.50" : "0.50"});
    const Cents net = Cents(count) * 100;
    const auto text = [](Cents cents) { return std::to_string(cents / 100) + "." + (cents % 100 < 10 ? "0" : "") + std::to_string(cents % 100); };
    draft.net = text(net);
    draft.vatTotal = text(net / 5);
    draft.grand = draft.payable = text(net + net / 5);
    draft.groups = {{"S", "20.00", draft.net, draft.vatTotal}};
    return draft;
}

QByteArray bytesOf(const std::string &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

class LedgerHost final : public einvoice::ReceptionHost {
public:
    explicit LedgerHost(Ledger &ledger) : ledger_(ledger) {}
    QString postingRefusal(const ProposedEntry &entry) const override { return proposed::refusal(ledger_, entry); }
    void post(const ProposedEntry &entry) override { proposed::post(ledger_, entry); }
    void removeLines(std::size_t first, std::size_t count) override { ledger_.Lignes.removeRange(first, count); }
    QString dossierPath() const override { return {}; }
    void addAccount(const QString &, const QString &) override {}
    QString folder() const override { return {}; }
    void rememberFolder(const QString &) override {}

private:
    Ledger &ledger_;
};

void BM_ReadAndPropose200LineInvoice(benchmark::State &state)
{
    const bool ubl = state.range(0) == 1;
    const einvoicefiles::Draft draft = invoiceOfLines(200, 1);
    const QByteArray xml = bytesOf(ubl ? einvoicefiles::ublXml(draft) : einvoicefiles::ciiXml(draft));
    const LineList lines = generatedLines(20'000);
    const einvoice::Accounts accounts{"HA", "401000", {{"607000", 100}}};
    for (auto _ : state) {
        const einvoice::FileReading reading = einvoice::readInvoiceBytes(xml);
        const einvoice::Proposal proposal = einvoice::proposeEntry(*reading.invoice, accounts, {}, lines);
        benchmark::DoNotOptimize(proposal.entry.lines.size());
        if (!proposal.refusal.isEmpty())
            state.SkipWithError(proposal.refusal.toStdString().c_str());
    }
    state.SetLabel(ubl ? "UBL, 20 000 entries in the dossier" : "CII, 20 000 entries in the dossier");
}
BENCHMARK(BM_ReadAndPropose200LineInvoice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Propose1000Files(benchmark::State &state)
{
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 1000; ++i) {
        const einvoicefiles::Draft draft = invoiceOfLines(10, i);
        const QString name = dir.filePath(QStringLiteral("facture-%1.%2").arg(i).arg(i % 3 == 2 ? "pdf" : "xml"));
        writeBytes(name, i % 3 == 0   ? einvoicefiles::ciiXml(draft)
                         : i % 3 == 1 ? einvoicefiles::ublXml(draft)
                                      : einvoicefiles::facturXPdf({{"bon.xml", "<bon/>"}, {"factur-x.xml", einvoicefiles::ciiXml(draft)}}));
        files << name;
    }
    FakePlatform fake;
    Ledger ledger(fake.platform);
    ledger.Lignes = generatedLines(20'000);
    ledger.ref = generatedChart();
    LedgerHost host(ledger);
    for (auto _ : state) {
        einvoice::Reception reception(ledger, host);
        reception.invoices.reserve(std::size_t(files.size()));
        for (const QString &file : files)
            reception.add(file);
        benchmark::DoNotOptimize(reception.invoices.back().entry.lines.size());
        if (!reception.invoices.back().invoice)
            state.SkipWithError(reception.invoices.back().refusal.toStdString().c_str());
    }
    state.SetLabel("a third each CII, UBL, Factur-X; 20 000 entries in the dossier");
}
BENCHMARK(BM_Propose1000Files)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
