#include "LedgerText.h"

#include "ledger/TextForms.h"
#include "reports/MonthViews.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

struct MonthViewsTest : ::testing::Test {
    ReferenceData ref;
    MonthViewPage journal{8};
    MonthViewPage generalLedger{8};
    LineList lines;

    void SetUp() override
    {
        ref.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("VE O Ventes")};
        ref.ListePlc = {QStringLiteral("411000 NN Clients"), QStringLiteral("600000 ON Achats de marchandises"),
                        QStringLiteral("607000 NN Achats divers"), QStringLiteral("707000 OO Ventes")};
        lines = linesOf(kHeader2002 +
                        entriesText("200203", {{"05/03/2002", "411000", "Facture 1", "VE", "F1", "   120,00", "", ""},
                                               {"05/03/2002", "707000", "Facture 1", "VE", "F1", "", "   120,00", ""},
                                               {"07/03/2002", "600000", "Achat", "AC", "A7", "    40,50", "", "\xD7"},
                                               {"09/03/2002", "607000", "Achat divers", "AC", "", "     9,50", "", ""},
                                               {"10/03/2002", "411000", "Sans journal", "", "", "", "     1,00", ""}}) +
                        entriesText("200204", {{"02/04/2002", "600000", "Avril", "AC", "", "    99,00", "", ""}}));
    }

    QString cell(const MonthViewPage &page, int row, int col) const { return page.grid.at(row, col); }
    int listedRows(const MonthViewPage &page) const
    {
        int n = 0;
        while (!page.grid.at(n + 1, 0).isEmpty())
            ++n;
        return n;
    }
};

} // namespace

TEST_F(MonthViewsTest, TousListsEveryEntryOfTheMonthWithAllItsColumns)
{
    journal.filter = QStringLiteral("Tous");
    EXPECT_TRUE(LitJnl(journal, lines, 2002, 3, ref).isEmpty());
    ASSERT_EQ(listedRows(journal), 5);
    EXPECT_EQ(cell(journal, 1, 2), "Facture 1");
    EXPECT_EQ(cell(journal, 3, 0), "07/03/2002");
    EXPECT_EQ(cell(journal, 3, 1), "600000");
    EXPECT_EQ(cell(journal, 3, 3), "AC");
    EXPECT_EQ(cell(journal, 3, 4), "A7");
    EXPECT_EQ(cell(journal, 3, 7), QString(QChar(0xD7)));
    EXPECT_EQ(cell(journal, 3, 5), forms::Rset(QStringLiteral("40,50")));
    EXPECT_TRUE(cell(journal, 3, 6).isEmpty());
    EXPECT_EQ(cell(journal, 5, 6).trimmed(), "1,00");
    EXPECT_EQ(journal.title, "Mars 2002");
    EXPECT_TRUE(journal.name.isEmpty());
    EXPECT_EQ(journal.totalDebit, forms::Rset(QStringLiteral("170,00")));
    EXPECT_EQ(journal.totalCredit, forms::Rset(QStringLiteral("121,00")));
}

TEST_F(MonthViewsTest, JournalFilterComparesTheFirstSixCharactersOfTheCode)
{
    journal.filter = QStringLiteral("AC");
    LitJnl(journal, lines, 2002, 3, ref);
    ASSERT_EQ(listedRows(journal), 2);
    EXPECT_EQ(cell(journal, 1, 2), "Achat");
    EXPECT_EQ(cell(journal, 1, 7), QString(QChar(0xD7)));
    EXPECT_EQ(cell(journal, 2, 2), "Achat divers");
    EXPECT_EQ(journal.name, "Achats");
    EXPECT_EQ(journal.totalDebit.trimmed(), "50,00");
    EXPECT_EQ(journal.totalCredit.trimmed(), "0,00");

    lines = linesOf(entriesText("200203", {{"01/03/2002", "411000", "Long", "VENTES1", "", "   5,00", "", ""},
                                           {"02/03/2002", "411000", "Court", "VENTES", "", "   6,00", "", ""}}));
    journal.filter = QStringLiteral("VENTES");
    LitJnl(journal, lines, 2002, 3, ref);
    EXPECT_EQ(listedRows(journal), 2);
    journal.filter = QStringLiteral("VENTES1");
    LitJnl(journal, lines, 2002, 3, ref);
    EXPECT_EQ(listedRows(journal), 0);
    EXPECT_EQ(journal.totalDebit.trimmed(), "0,00");
}

TEST_F(MonthViewsTest, EmptyFilterSelectsTheEntriesWithoutJournalOrAccount)
{
    journal.filter.clear();
    LitJnl(journal, lines, 2002, 3, ref);
    ASSERT_EQ(listedRows(journal), 1);
    EXPECT_EQ(cell(journal, 1, 2), "Sans journal");
    EXPECT_TRUE(journal.name.isEmpty());

    generalLedger.filter.clear();
    LitCpt(generalLedger, lines, 2002, 3, ref);
    EXPECT_EQ(listedRows(generalLedger), 0);
    EXPECT_TRUE(generalLedger.name.isEmpty());
}

TEST_F(MonthViewsTest, UnknownFilterGivesAnEmptyGridWithZeroTotals)
{
    journal.filter = QStringLiteral("XX");
    LitJnl(journal, lines, 2002, 3, ref);
    EXPECT_EQ(listedRows(journal), 0);
    EXPECT_TRUE(journal.name.isEmpty());
    EXPECT_EQ(journal.totalDebit.trimmed(), "0,00");
    EXPECT_EQ(journal.totalCredit.trimmed(), "0,00");
}

TEST_F(MonthViewsTest, LedgerFilterIsCompletedToSixCharacters)
{
    generalLedger.filter = QStringLiteral("6");
    LitCpt(generalLedger, lines, 2002, 3, ref);
    ASSERT_EQ(listedRows(generalLedger), 1);
    EXPECT_EQ(cell(generalLedger, 1, 1), "600000");
    EXPECT_EQ(cell(generalLedger, 1, 7), QString(QChar(0xD7)));
    EXPECT_EQ(generalLedger.name, "Achats de marchandises");

    generalLedger.filter = QStringLiteral("411");
    LitCpt(generalLedger, lines, 2002, 3, ref);
    ASSERT_EQ(listedRows(generalLedger), 2);
    EXPECT_EQ(cell(generalLedger, 2, 2), "Sans journal");
    EXPECT_EQ(generalLedger.name, "Clients");
    EXPECT_EQ(generalLedger.totalDebit.trimmed(), "120,00");
    EXPECT_EQ(generalLedger.totalCredit.trimmed(), "1,00");
}

TEST_F(MonthViewsTest, AccountMissingFromTheChartLeavesTheLabelEmpty)
{
    lines = linesOf(entriesText("200203", {{"01/03/2002", "512000", "Banque", "BQ", "", "  10,00", "", ""}}));
    generalLedger.filter = QStringLiteral("512");
    LitCpt(generalLedger, lines, 2002, 3, ref);
    EXPECT_EQ(listedRows(generalLedger), 1);
    EXPECT_TRUE(generalLedger.name.isEmpty());
}

TEST_F(MonthViewsTest, RebuildEmptiesRowsOfTheLastBuildAndKeepsTheTitles)
{
    journal.grid.set(0, 0, QStringLiteral("Date"));
    journal.filter = QStringLiteral("Tous");
    LitJnl(journal, lines, 2002, 3, ref);
    LitJnl(journal, lines, 2002, 4, ref);
    EXPECT_EQ(listedRows(journal), 1);
    EXPECT_EQ(cell(journal, 1, 2), "Avril");
    EXPECT_TRUE(cell(journal, 2, 2).isEmpty());
    EXPECT_TRUE(cell(journal, 3, 7).isEmpty());
    EXPECT_EQ(cell(journal, 0, 0), "Date");
    EXPECT_EQ(journal.title, "Avril 2002");
}

TEST_F(MonthViewsTest, GridGrowsByTenRowsAndNeverShrinks)
{
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += entryText("200205", {"01/05/2002", "411000", "L" + std::to_string(i), "VE", "", "  1,00", "", ""});
    lines = linesOf(text);
    journal.filter = QStringLiteral("Tous");
    LitJnl(journal, lines, 2002, 5, ref);
    EXPECT_EQ(journal.grid.rowCount(), 42);
    EXPECT_EQ(cell(journal, 40, 2), "L39");
    EXPECT_EQ(journal.totalDebit.trimmed(), "40,00");
    LitJnl(journal, lines, 2002, 6, ref);
    EXPECT_EQ(journal.grid.rowCount(), 42);
    EXPECT_TRUE(cell(journal, 40, 2).isEmpty());
    EXPECT_EQ(journal.totalDebit.trimmed(), "0,00");
}

TEST_F(MonthViewsTest, MonthLinesAreReadLikeTheMonthGrid)
{
    // A month split in two blocks with another month between; a fragment
    // before the month's first date line fills the first entry; a line
    // without a column digit and the digits 8 and 9 are skipped.
    const std::string text = "2002032Libell\xE9 avant\r\n"
                             "2002030" "01/03/2002\r\n2002031411000\r\n2002033VE\r\n2002035  1,00\r\n" +
                             entryText("200204", {"01/04/2002", "411000", "Avril", "VE", "", "  7,00", "", ""}) +
                             "200203X\r\n2002038Champ 8\r\n" +
                             entryText("200203", {"02/03/2002", "411000", "Deux", "VE", "", "  2,00", "", ""});
    lines = linesOf(text);
    journal.filter = QStringLiteral("VE");
    LitJnl(journal, lines, 2002, 3, ref);
    ASSERT_EQ(listedRows(journal), 2);
    EXPECT_EQ(cell(journal, 1, 2), QStringLiteral("Libellé avant"));
    EXPECT_TRUE(cell(journal, 1, 4).isEmpty());
    EXPECT_EQ(cell(journal, 2, 2), "Deux");
    EXPECT_EQ(journal.totalDebit.trimmed(), "3,00");
}

TEST_F(MonthViewsTest, AnAmountThatIsNoNumberIsReportedAndLeavesNoTotal)
{
    lines = linesOf(entriesText("200203", {{"01/03/2002", "411000", "Bon", "VE", "", "  1,00", "", ""},
                                           {"02/03/2002", "411000", "Mauvais", "VE", "", "douze", "", ""}}));
    journal.filter = QStringLiteral("Tous");
    const QString message = LitJnl(journal, lines, 2002, 3, ref);
    EXPECT_TRUE(message.contains(QStringLiteral("douze")));
    EXPECT_EQ(listedRows(journal), 2);
    EXPECT_TRUE(journal.totalDebit.isEmpty());
    EXPECT_TRUE(journal.totalCredit.isEmpty());
}
