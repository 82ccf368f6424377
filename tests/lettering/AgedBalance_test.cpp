#include "lettering/AgedBalance.h"

#include "ledger/CodeList.h"
#include "ledger/TextGrid.h"
#include "support/LedgerText.h"

#include <gtest/gtest.h>

using namespace lettering;

TEST(AgedBalance, ALineAgesByItsDaysBeforeTheDateAsked)
{
    const QDate at(2002, 6, 30);
    const std::pair<int, int> cases[] = {{0, 0}, {30, 0}, {31, 1}, {60, 1}, {61, 2}, {90, 2}, {91, 3}, {400, 3}};
    for (const auto &[days, bucket] : cases)
        EXPECT_EQ(ageBucket(at.addDays(-days), at), bucket) << days << " days";
}

TEST(AgedBalance, OpenLinesAtTheDateGoToTheirAccountsRowAndTheTotal)
{
    const LineList books = linesOf(
        kHeader2002 +
        entriesText("200203", {{"15/03/2002", "411000", "Ancienne facture", "VE", "", "500,00"},
                               {"20/03/2002", "411000", "Soldée avant", "VE", "", "70,00", "", "", "AA 25/03/2002"},
                               {"25/03/2002", "411000", "Son règlement", "BQ", "", "", "70,00", "", "AA 25/03/2002"}}) +
        entriesText("200205", {{"15/05/2002", "411100", "Facture", "VE", "", "120,00", "", "", "AA 10/07/2002"},
                               {"20/05/2002", "411100", "Acompte non imputé", "BQ", "", "", "30,00"},
                               {"31/05/2002", "401000", "Fournisseur", "AC", "", "", "99,00"}}) +
        entriesText("200206", {{"30/06/2002", "411000", "Facture du jour", "VE", "", "10,00"}}) +
        entriesText("200207", {{"01/07/2002", "411000", "Après la date", "VE", "", "1000,00"},
                               {"10/07/2002", "411100", "Règlement après la date", "BQ", "", "", "120,00", "", "AA 10/07/2002"}}));
    const CodeList chart(CodeList::Kind::Chart,
                         {QStringLiteral("411000 ON Clients"), QStringLiteral("411100 ON Client Dupont")});
    const AgedBalance balance = agedBalance(books, chart, QDate(2002, 6, 30), QStringLiteral("411"));
    // 411000: 10,00 of today, 500,00 of 107 days; the group lettered in March
    // is closed. 411100: 120,00 of 46 days, lettered with a line of July, and
    // the payment of 41 days not applied yet.
    const std::vector<AgedRow> rows = {{QStringLiteral("411000"), QStringLiteral("Clients"), {1000, 0, 0, 50000}, 51000},
                                       {QStringLiteral("411100"), QStringLiteral("Client Dupont"), {0, 9000, 0, 0}, 9000}};
    EXPECT_EQ(balance.rows, rows);
    EXPECT_EQ(balance.total, (AgedRow{QStringLiteral("Total"), {}, {1000, 9000, 0, 50000}, 60000}));

    const TextGrid grid = agedBalanceGrid(balance);
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.at(0, 5), QStringLiteral("Plus de 90 jours"));
    EXPECT_EQ(grid.at(3, 0), QStringLiteral("Total"));
    EXPECT_EQ(grid.at(3, 6), QStringLiteral("600,00"));
}
