#include "ledger/LedgerFile.h"
#include "vat/VatReturn.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// A 2002 year of `entries` entries of eight lines: invoices of three lines
// each, a sale at 20 % (customer, sales, VAT collected) or a purchase
// (supplier, purchases, VAT deductible), spread over the twelve months.
LineList invoiceYear(int entries)
{
    std::string text = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
    text.reserve(std::size_t(entries) * 150);
    char buffer[256];
    for (int i = 0; i < entries; ++i) {
        const int invoice = i / 3;
        const int month = 1 + (i * 12) / entries;
        const bool sale = invoice % 2 == 0;
        const long net = 1000 + (invoice * 7919L) % 500000;
        static const char *const saleAccounts[] = {"411000", "706000", "445712"};
        static const char *const purchaseAccounts[] = {"401000", "607000", "445660"};
        const char *account = (sale ? saleAccounts : purchaseAccounts)[i % 3];
        const long amount = i % 3 == 0 ? net * 6 / 5 : i % 3 == 1 ? net : net / 5;
        const bool debit = (i % 3 == 0) == sale;
        char key[8];
        std::snprintf(key, sizeof key, "2002%02d", month);
        const std::string cents = std::to_string(amount / 100) + ',' + std::to_string(100 + amount % 100).substr(1);
        std::snprintf(buffer, sizeof buffer, "%s0%02d/%02d/2002\r\n%s1%s\r\n%s2Facture %d\r\n%s3%s\r\n%s4\r\n%s5%s\r\n%s6%s\r\n%s7\r\n",
                      key, 1 + invoice % 28, month, key, account, key, invoice, key, sale ? "VE" : "AC", key, key,
                      debit ? cents.c_str() : "", key, debit ? "" : cents.c_str(), key);
        text += buffer;
    }
    return ledgerfile::parse(std::make_unique<std::string>(std::move(text)));
}

void BM_VatReturnOfAQuarter(benchmark::State &state)
{
    const LineList lines = invoiceYear(int(state.range(0)));
    const FiscalYear year{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};
    const vat::Period quarter = vat::quarterPeriod(2002, 2);
    for (auto _ : state) {
        const vat::VatReturn vatReturn = vat::computeReturn(lines, quarter, year);
        benchmark::DoNotOptimize(vatReturn.figures);
    }
}
BENCHMARK(BM_VatReturnOfAQuarter)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
