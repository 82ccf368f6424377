#include "LedgerText.h"

#include "ledger/TextForms.h"
#include "reports/MonthViews.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

struct GeneralJournalTest : ::testing::Test {
    ReferenceData ref;
    MonthViewPage general{6};

    void SetUp() override
    {
        ref.ListeJnx = {QStringLiteral("AC N Achats"), QStringLiteral("VE O Ventes")};
        ref.ListePlc = {QStringLiteral("411000 NN Clients"), QStringLiteral("707000 OO Ventes de marchandises")};
        general.filter = QStringLiteral("Tous");
    }

    void build(const std::string &monthText)
    {
        const LineList lines = linesOf(kHeader2002 + monthText);
        EXPECT_TRUE(LitGeneral(general, lines, 2002, 3, ref).isEmpty());
    }
    QString cell(int row, int col) const { return general.grid.at(row, col); }
};

} // namespace

TEST_F(GeneralJournalTest, OneRowPerAccountInTheOrderFirstMet)
{
    build(entriesText("200203", {{"02/03/2002", "707000", "Vente 1", "VE", "F1", "", "   100,00", ""},
                                 {"01/03/2002", "411000", "Vente 1", "VE", "F1", "   100,00", "", ""},
                                 {"09/03/2002", "707000", "Vente 2", "AC", "F2", "", "    50,25", ""},
                                 {"08/03/2002", "411000", "Vente 2", "VE", "F2", "    50,25", "", ""}}));
    EXPECT_EQ(cell(1, 1), "707000");
    EXPECT_EQ(cell(1, 2), "Ventes de marchandises");
    EXPECT_EQ(cell(1, 0), "09/03/2002"); // date and journal of the last entry
    EXPECT_EQ(cell(1, 3), "AC");
    EXPECT_TRUE(cell(1, 4).isEmpty());   // an empty debit never shows ",00"
    EXPECT_EQ(cell(1, 5), forms::Rset(QStringLiteral("150,25")));
    EXPECT_EQ(cell(2, 1), "411000");
    EXPECT_EQ(cell(2, 2), "Clients");
    EXPECT_EQ(cell(2, 0), "08/03/2002");
    EXPECT_EQ(cell(2, 4).trimmed(), "150,25");
    EXPECT_TRUE(cell(3, 1).isEmpty());
    EXPECT_EQ(general.totalDebit.trimmed(), "150,25");
    EXPECT_EQ(general.totalCredit.trimmed(), "150,25");
    EXPECT_EQ(general.title, "Mars 2002");
}

TEST_F(GeneralJournalTest, JournalFilterAndName)
{
    const std::string month = entriesText("200203", {{"02/03/2002", "707000", "", "VE", "", "", "   10,00", ""},
                                                     {"03/03/2002", "600000", "", "AC", "", "    4,00", "", ""},
                                                     {"04/03/2002", "411000", "", "VE", "", "   10,00", "", ""}});
    general.filter = QStringLiteral("AC");
    build(month);
    EXPECT_EQ(general.name, "Achats");
    EXPECT_EQ(cell(1, 1), "600000");
    EXPECT_TRUE(cell(1, 2).isEmpty()); // not in the chart
    EXPECT_TRUE(cell(2, 1).isEmpty());
    EXPECT_EQ(general.totalDebit.trimmed(), "4,00");
    EXPECT_EQ(general.totalCredit.trimmed(), "0,00");
}

TEST_F(GeneralJournalTest, RunningSumsUseTheHashZeroForm)
{
    build(entriesText("200203", {{"01/03/2002", "411000", "", "VE", "", "     0,20", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", "     0,30", "", ""}}));
    EXPECT_EQ(cell(1, 4).trimmed(), ",50");
    EXPECT_EQ(cell(1, 4), forms::Rset(QStringLiteral(",50")));
    EXPECT_EQ(general.totalDebit.trimmed(), "0,50");
}

TEST_F(GeneralJournalTest, ASumCancellingOutShowsZeroWithItsCents)
{
    build(entriesText("200203", {{"01/03/2002", "411000", "", "VE", "", "   100,00", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", "  -100,00", "", ""}}));
    EXPECT_EQ(cell(1, 4), forms::Rset(QStringLiteral("0,00")));
    EXPECT_EQ(general.totalDebit.trimmed(), "0,00");
}

TEST_F(GeneralJournalTest, AdditionsAfterAZeroStartFromZero)
{
    build(entriesText("200203", {{"01/03/2002", "411000", "", "VE", "", "   100,00", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", "  -100,00", "", ""},
                                 {"03/03/2002", "411000", "", "VE", "", "    30,00", "", ""}}));
    EXPECT_EQ(cell(1, 4).trimmed(), "30,00");
}

TEST_F(GeneralJournalTest, EntriesWithoutAccountKeepTheirAmountsApart)
{
    build(entriesText("200203", {{"01/03/2002", "", "", "VE", "", "     5,00", "", ""},
                                 {"02/03/2002", "411000", "", "VE", "", "    10,00", "", ""}}));
    EXPECT_TRUE(cell(1, 1).isEmpty());
    EXPECT_TRUE(cell(1, 2).isEmpty());
    EXPECT_EQ(cell(1, 4).trimmed(), "5,00");
    EXPECT_EQ(cell(2, 1), "411000");
    EXPECT_EQ(cell(2, 4).trimmed(), "10,00");
    EXPECT_EQ(general.totalDebit.trimmed(), "15,00");
}
