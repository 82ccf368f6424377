#include "LedgerText.h"

#include "exchange/ExchangeText.h"
#include "exchange/Import.h"
#include "exchange/MonthSearch.h"
#include "entry/InvoicePosting.h"
#include "reports/AccountBalance.h"
#include "ledger/MonthLines.h"
#include "ledger/MonthIO.h"

#include <gtest/gtest.h>

// What leaves a dossier as text comes back the same into another one.

namespace {

const std::string kDossier =
    kHeader2002 +
    entriesText("200203", {{"05/03/2002", "613000", "Loyer de mars", "BQ", "L03", "     1234,50", "", "\xD7"},
                           {"05/03/2002", "512000", "Loyer de mars", "BQ", "L03", "", "     1234,50", "\xD7"},
                           {"20/03/2002", "411000", "Caf\xE9 \x80 \x9C", "VE", "", "        0,75", "", ""}}) +
    entriesText("200201", {{"02/01/2002", "707000", "Ventes", "VE", "F1", "", "   10,00", ""}}) +
    entriesText("200212", {{"31/12/2002", "401000", "Fournisseur", "AC", "", "", "   99,99", "\xD7"}});

QList<QStringList> monthRows(const LineList &lines, const std::string &key, bool withMark)
{
    TextGrid grid(32, monthlines::kColumnCount);
    monthio::read(lines, key, grid);
    QList<QStringList> rows;
    for (int r = 0; r < monthio::countRows(grid); ++r) {
        QStringList row;
        for (int c = 0; c < (withMark ? 8 : 7); ++c)
            row.append(grid.at(r, c).trimmed());
        rows.append(row);
    }
    return rows;
}

} // namespace

TEST(RoundTrip, AMonthExportedAndImportedIntoAnEmptyDossierComesBackWithoutMarks)
{
    const LineList source = linesOf(kDossier);
    TextGrid march(32, monthlines::kColumnCount);
    monthio::read(source, "200203", march);

    LineList target = linesOf(kHeader2002);
    const exchange::ImportSummary summary = exchange::importEntries(exchange::exportMonth(march), target, FiscalYear{});
    EXPECT_EQ(summary.entries, 3);
    EXPECT_EQ(monthRows(target, "200203", false), monthRows(source, "200203", false));
    for (const QStringList &row : monthRows(target, "200203", true))
        EXPECT_TRUE(row[7].isEmpty());
}

TEST(RoundTrip, TheWholeJournalComesBackMonthByMonthWithItsMarks)
{
    const LineList source = linesOf(kDossier);
    LineList target = linesOf(kHeader2002);
    const exchange::ImportSummary summary = exchange::importEntries(exchange::exportJournal(source), target, FiscalYear{});
    EXPECT_EQ(summary.entries, 5);
    EXPECT_TRUE(summary.refused.empty());
    EXPECT_EQ(exchange::monthKeys(target), exchange::monthKeys(source));
    for (const std::string &key : exchange::monthKeys(source))
        EXPECT_EQ(monthRows(target, key, true), monthRows(source, key, true)) << key;
}

TEST(RoundTrip, AMonthHoldingInvoiceLinesKeepsItsBalanceThroughTheWholeJournal)
{
    LineList source = linesOf(kDossier);
    Invoice sale;
    sale.texts = {QStringLiteral("20/03/2002"), QStringLiteral("411000"), QStringLiteral("706000"),
                  QStringLiteral("445710"),     QStringLiteral("VE"),     QStringLiteral("Facture Martin"),
                  QStringLiteral("120,00"),     QStringLiteral("100,00"), QStringLiteral("20,00")};
    ASSERT_EQ(invoice::post(source, {sale}, InvoiceKind::Customer), 3);

    LineList target = linesOf(kHeader2002);
    exchange::importEntries(exchange::exportJournal(source), target, FiscalYear{});

    const auto balance = [](const LineList &lines) {
        BalancePage page;
        page.from = QDate(2002, 1, 1);
        page.to = QDate(2002, 12, 31);
        reports::LitBalance(page, lines, ReferenceData());
        return QStringList{page.totalDebit, page.totalCredit, page.totalDebitBalances, page.totalCreditBalances};
    };
    EXPECT_EQ(balance(target), balance(source));
    EXPECT_EQ(balance(target)[0].trimmed(), QStringLiteral("1355,25"));
}
