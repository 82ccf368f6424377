#include "LedgerText.h"

#include "ledger/TextForms.h"
#include "reports/AccountBalance.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

struct AccountBalanceTest : ::testing::Test {
    ReferenceData ref;
    BalancePage page;

    void SetUp() override
    {
        ref.ListePlc = {QStringLiteral("411000 NN Clients"), QStringLiteral("512000 ON Banque"),
                        QStringLiteral("707000 OO Ventes")};
        page.from = QDate(2002, 1, 1);
        page.to = QDate(2002, 12, 31);
    }

    QString build(const std::string &text) { return LitBalance(page, linesOf(text), ref); }
    QString cell(int row, int col) const { return page.grid.at(row, col); }
    int rows() const
    {
        int n = 0;
        while (!page.grid.at(n + 1, 0).isEmpty())
            ++n;
        return n;
    }
};

} // namespace

TEST_F(AccountBalanceTest, AccountsInTheOrderFirstMetWithTheirBalances)
{
    build(kHeader2002 +
          entriesText("200203", {{"05/03/2002", "411000", "F1", "VE", "", "   120,00", "", ""},
                                 {"05/03/2002", "707000", "F1", "VE", "", "", "   120,00", ""}}) +
          entriesText("200201", {{"20/01/2002", "512000", "Rgt", "BQ", "", "    80,00", "", ""},
                                 {"20/01/2002", "411000", "Rgt", "BQ", "", "", "    80,00", ""}}));
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(1, 0), "411000");
    EXPECT_EQ(cell(1, 1), "Clients");
    EXPECT_EQ(cell(1, 2), forms::Rset(QStringLiteral("120,00")));
    EXPECT_EQ(cell(1, 3), forms::Rset(QStringLiteral("80,00")));
    EXPECT_EQ(cell(1, 4), "40,00"); // balances are not aligned
    EXPECT_TRUE(cell(1, 5).isEmpty());
    EXPECT_EQ(cell(2, 0), "707000");
    EXPECT_TRUE(cell(2, 2).isEmpty());
    EXPECT_TRUE(cell(2, 4).isEmpty());
    EXPECT_EQ(cell(2, 5), "120,00");
    EXPECT_EQ(cell(3, 0), "512000");
    EXPECT_EQ(cell(3, 4), "80,00");
    // Every entry balances: the totals pair up.
    EXPECT_EQ(page.totalDebit, forms::Rset(QStringLiteral("200,00")));
    EXPECT_EQ(page.totalCredit, page.totalDebit);
    EXPECT_EQ(page.totalDebitBalances, forms::Rset(QStringLiteral("120,00")));
    EXPECT_EQ(page.totalCreditBalances, page.totalDebitBalances);
}

TEST_F(AccountBalanceTest, BothDatesAreIncluded)
{
    const std::string text = entriesText("200203", {{"31/03/2002", "411000", "", "VE", "", "  1,00", "", ""},
                                                    {"01/04/2002", "411000", "", "VE", "", "  2,00", "", ""},
                                                    {"01/03/2002", "411000", "", "VE", "", "  4,00", "", ""},
                                                    {"28/02/2002", "411000", "", "VE", "", "  8,00", "", ""}});
    page.from = QDate(2002, 3, 1);
    page.to = QDate(2002, 3, 31);
    build(text);
    EXPECT_EQ(cell(1, 2).trimmed(), "5,00");
    EXPECT_EQ(page.totalDebit.trimmed(), "5,00");
}

TEST_F(AccountBalanceTest, ANilBalanceIsACreditBalanceOfZero)
{
    build(entriesText("200203", {{"01/03/2002", "512000", "", "BQ", "", " 10,00", "", ""},
                                 {"02/03/2002", "512000", "", "BQ", "", "", " 10,00", ""}}));
    EXPECT_TRUE(cell(1, 4).isEmpty());
    EXPECT_EQ(cell(1, 5), "0,00");
    EXPECT_EQ(page.totalCreditBalances.trimmed(), "0,00");
}

TEST_F(AccountBalanceTest, TwoFormsOfOneNumberAreTwoAccounts)
{
    build(entriesText("200203", {{"01/03/2002", "411", "", "VE", "", " 1,00", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", " 2,00", "", ""},
                                 {"03/03/2002", "419000", "", "VE", "", " 4,00", "", ""}}));
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(1, 0), "411");
    EXPECT_EQ(cell(1, 2).trimmed(), "1,00");
    EXPECT_EQ(cell(2, 0), "411000");
    EXPECT_EQ(cell(2, 1), "Clients");
    EXPECT_EQ(cell(2, 2).trimmed(), "2,00");
    EXPECT_EQ(cell(3, 0), "419000"); // missing from the chart
    EXPECT_TRUE(cell(3, 1).isEmpty());
}

TEST_F(AccountBalanceTest, StartAfterEndSelectsNothing)
{
    page.from = QDate(2002, 12, 31);
    page.to = QDate(2002, 1, 1);
    build(entriesText("200203", {{"01/03/2002", "411000", "", "VE", "", " 1,00", "", ""}}));
    EXPECT_EQ(rows(), 0);
    for (const QString *total : {&page.totalDebit, &page.totalCredit, &page.totalDebitBalances, &page.totalCreditBalances})
        EXPECT_EQ(total->trimmed(), "0,00");
}

TEST_F(AccountBalanceTest, AmountsThatAreNoNumberCountAsZero)
{
    const QString message = build(entriesText("200203", {{"01/03/2002", "411000", "", "VE", "", "n/a", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", " 3,00", "", ""},
                                 {"03/03/2002", "512000", "", "BQ", "", "", "?", ""}}));
    EXPECT_EQ(cell(1, 2).trimmed(), "3,00");
    EXPECT_EQ(cell(2, 0), "512000");
    EXPECT_TRUE(cell(2, 3).isEmpty());
    EXPECT_EQ(cell(2, 5), "0,00");
    EXPECT_EQ(page.totalDebit.trimmed(), "3,00");
    EXPECT_EQ(page.totalCredit.trimmed(), "0,00");
    EXPECT_EQ(message, QStringLiteral("'n/a' n'est pas une valeur numérique correcte (écriture du 01/03/2002, compte "
                                      "411000) : ce montant et un autre montant illisible sont comptés pour zéro."));
}

TEST_F(AccountBalanceTest, EntriesWithoutAccountGetTheirOwnRowAndBalance)
{
    build(entriesText("200203", {{"01/03/2002", "", "", "VE", "", " 5,00", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", " 7,00", "", ""},
                                 {"03/03/2002", "512000", "", "BQ", "", "", " 12,00", ""}}));
    EXPECT_TRUE(cell(1, 0).isEmpty());
    EXPECT_TRUE(cell(1, 1).isEmpty());
    EXPECT_EQ(cell(1, 4), "5,00");
    EXPECT_EQ(cell(2, 0), "411000");
    EXPECT_EQ(cell(2, 2).trimmed(), "7,00");
    EXPECT_EQ(cell(2, 4), "7,00");
    EXPECT_EQ(cell(3, 5), "12,00");
    EXPECT_EQ(page.totalDebitBalances.trimmed(), "12,00");
    EXPECT_EQ(page.totalCreditBalances.trimmed(), "12,00");
}

TEST_F(AccountBalanceTest, AnEntryWithNeitherAccountNorAmountDoesNotEndTheBalances)
{
    // A note imported as an entry: a date and a label only.
    build(entriesText("200203", {{"01/03/2002", "", "Note", "OD", "", "", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", " 7,00", "", ""},
                                 {"03/03/2002", "512000", "", "BQ", "", "", " 7,00", ""}}));
    EXPECT_TRUE(cell(1, 4).isEmpty());
    EXPECT_EQ(cell(1, 5), "0,00");
    EXPECT_EQ(cell(2, 0), "411000");
    EXPECT_EQ(cell(2, 4), "7,00");
    EXPECT_EQ(cell(3, 5), "7,00");
    EXPECT_TRUE(cell(4, 5).isEmpty());
    EXPECT_EQ(page.totalDebitBalances.trimmed(), "7,00");
    EXPECT_EQ(page.totalCreditBalances.trimmed(), "7,00");
}

TEST_F(AccountBalanceTest, HeaderAndForeignLinesArePassedOver)
{
    // A header in the middle, a fragment of another month inside an entry,
    // and a line without a column digit do not disturb the entries.
    build(entriesText("200203", {{"01/03/2002", "411000", "", "VE", "", " 1,00", "", ""}}) + kHeader2002 +
          "2002030" "02/03/2002\r\n2002041999999\r\n2002031512000\r\n200203X\r\n2002035 2,00\r\n");
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(cell(2, 0), "512000");
    EXPECT_EQ(cell(2, 2).trimmed(), "2,00");
}

TEST_F(AccountBalanceTest, GridGrowsForManyAccounts)
{
    std::string text;
    for (int i = 0; i < 45; ++i)
        text += entryText("200203", {"01/03/2002", std::to_string(400000 + i), "", "VE", "", " 1,00", "", ""});
    build(text);
    EXPECT_EQ(rows(), 45);
    EXPECT_EQ(page.grid.rowCount(), 52);
    EXPECT_EQ(cell(45, 4), "1,00");
    EXPECT_EQ(page.totalDebitBalances.trimmed(), "45,00");
    build("");
    EXPECT_EQ(page.grid.rowCount(), 52);
    EXPECT_EQ(rows(), 0);
    EXPECT_TRUE(cell(45, 4).isEmpty());
}

TEST_F(AccountBalanceTest, AnAccountWhoseSumOverflowsShowsNoBalance)
{
    // Two debits of 900 000 000 000 000,00 go past what an amount may be.
    const std::string huge = "900000000000000,00";
    build(kHeader2002 + entriesText("200203", {{"05/03/2002", "411000", "F1", "VE", "", huge, "", ""},
                                               {"06/03/2002", "411000", "F2", "VE", "", huge, "", ""},
                                               {"07/03/2002", "512000", "R1", "BQ", "", "", "   12,00", ""}}));
    ASSERT_EQ(rows(), 2);
    EXPECT_TRUE(cell(1, 2).isEmpty());
    EXPECT_TRUE(cell(1, 4).isEmpty()); // not the "0,00" of a nil balance
    EXPECT_TRUE(cell(1, 5).isEmpty());
    EXPECT_EQ(cell(2, 5), "12,00");
    EXPECT_TRUE(page.totalDebit.isEmpty());
}

TEST_F(AccountBalanceTest, OrderOfTheRowsAndClassSubtotals)
{
    const std::string text =
        entriesText("200203", {{"01/03/2002", "707000", "", "VE", "", "", "120,00", ""},
                               {"01/03/2002", "512000", "", "BQ", "", "80,00", "", ""},
                               {"01/03/2002", "411000", "", "VE", "", "120,00", "", ""},
                               {"02/03/2002", "", "", "OD", "", "5,00", "", ""},
                               {"02/03/2002", "401000", "", "AC", "", "", "80,00", ""},
                               {"03/03/2002", "419", "", "VE", "", "1,00", "", ""}});
    struct Case {
        const char *what;
        bool byAccount;
        bool classSubtotals;
        QStringList rows; // the cells of each row, trimmed, joined by "|"
    };
    const Case cases[] = {
        // By default the rows come as the entries first name the accounts.
        {"first met", false, false,
         {"707000|Ventes||120,00||120,00", "512000|Banque|80,00||80,00|", "411000|Clients|120,00||120,00|",
          "||5,00||5,00|", "401000|||80,00||80,00", "419||1,00||1,00|"}},
        // Codes compare as text, the empty code first.
        {"by account", true, false,
         {"||5,00||5,00|", "401000|||80,00||80,00", "411000|Clients|120,00||120,00|", "419||1,00||1,00|",
          "512000|Banque|80,00||80,00|", "707000|Ventes||120,00||120,00"}},
        // Subtotals bring the sort along; each sums its class's four columns.
        {"class subtotals", false, true,
         {"||5,00||5,00|", "|Total sans compte|5,00|0,00|5,00|0,00", "401000|||80,00||80,00",
          "411000|Clients|120,00||120,00|", "419||1,00||1,00|", "|Total classe 4|121,00|80,00|121,00|80,00",
          "512000|Banque|80,00||80,00|",
          "|Total classe 5|80,00|0,00|80,00|0,00", "707000|Ventes||120,00||120,00",
          "|Total classe 7|0,00|120,00|0,00|120,00"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        page.order = {};
        page.order.setByAccount(c.byAccount);
        page.order.setClassSubtotals(c.classSubtotals);
        build(text);
        QStringList shown;
        for (int r = 1; !page.grid.at(r, 2).isEmpty() || !page.grid.at(r, 3).isEmpty(); ++r) {
            QStringList cells;
            for (int col = 0; col < 6; ++col)
                cells.append(cell(r, col).trimmed());
            shown.append(cells.join(u'|'));
        }
        EXPECT_EQ(shown.join(u'\n').toStdString(), c.rows.join(u'\n').toStdString());
        // The totals under the grid leave the subtotals out.
        EXPECT_EQ(page.totalDebit.trimmed(), "206,00");
        EXPECT_EQ(page.totalCreditBalances.trimmed(), "200,00");
    }
}

TEST_F(AccountBalanceTest, LeavingTheSortDropsTheSubtotals)
{
    page.order.setClassSubtotals(true);
    EXPECT_TRUE(page.order.byAccount());
    page.order.setByAccount(false);
    EXPECT_FALSE(page.order.classSubtotals());
}
