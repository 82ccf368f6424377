#include "LedgerGenerator.h"

#include "ledger/LedgerFile.h"

#include <cstdio>
#include <memory>

namespace {

// The n-th of `accounts` accounts: six digits, classes 1 to 7 in turn.
int manyAccountsCode(int n)
{
    return (1 + n % 7) * 100000 + n / 7;
}

} // namespace

std::string generateLedger(int entries, int accounts)
{
    std::string out = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
    out.reserve(std::size_t(entries) * 140);
    unsigned seed = 12345;
    auto next = [&seed] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xFFFFFF; };
    char line[128];
    for (int i = 0; i < entries; ++i) {
        const int month = 1 + (i * 12) / entries;
        const int day = 1 + int(next() % 28);
        int account = (1 + int(next() % 7)) * 100000 + int(next() % 43) * 1000;
        if (accounts > 0)
            account = manyAccountsCode(i % accounts);
        const long cents = long(next() % 500000);
        char key[8];
        std::snprintf(key, sizeof key, "2002%02d", month);
        std::snprintf(line, sizeof line, "%s0%02d/%02d/2002\r\n", key, day, month);
        out += line;
        std::snprintf(line, sizeof line, "%s1%06d\r\n", key, account);
        out += line;
        std::snprintf(line, sizeof line, "%s2Facture n\xB0 %d du client\r\n", key, i);
        out += line;
        std::snprintf(line, sizeof line, "%s3%s\r\n", key, (i % 3 == 0) ? "VE" : (i % 3 == 1) ? "AC" : "BQ");
        out += line;
        std::snprintf(line, sizeof line, "%s4F%05d\r\n", key, i % 100000);
        out += line;
        if (i % 2 == 0) {
            std::snprintf(line, sizeof line, "%s5          %ld,%02ld\r\n%s6\r\n", key, cents / 100, cents % 100, key);
        } else {
            std::snprintf(line, sizeof line, "%s5\r\n%s6          %ld,%02ld\r\n", key, key, cents / 100, cents % 100);
        }
        out += line;
        std::snprintf(line, sizeof line, "%s7\r\n", key);
        out += line;
    }
    return out;
}

LineList generatedLines(int entries, int accounts)
{
    return ledgerfile::parse(std::make_unique<std::string>(generateLedger(entries, accounts)));
}

ReferenceData generatedChart(int accounts)
{
    QStringList chart;
    if (accounts > 0) {
        for (int n = 0; n < accounts; ++n)
            chart.append(QStringLiteral("%1 ON Compte %2").arg(manyAccountsCode(n)).arg(n));
    } else {
        for (int cls = 1; cls <= 7; ++cls)
            for (int n = 0; n < 43; ++n)
                chart.append(QStringLiteral("%1 ON Compte %2").arg(cls * 100000 + n * 1000).arg(n));
    }
    CodeList::sortByText(chart); // as the chart file is loaded
    ReferenceData ref;
    ref.ListePlc = chart;
    ref.ListeJnx = {QStringLiteral("AC O Achats"), QStringLiteral("BQ O Banque"), QStringLiteral("VE O Ventes")};
    return ref;
}
