#include "LedgerText.h"

#include "ledger/TextForms.h"
#include "reports/IncomeStatement.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

struct IncomeStatementTest : ::testing::Test {
    PeriodPage page{32, 4};

    void SetUp() override
    {
        page.from = QDate(2002, 1, 1);
        page.to = QDate(2002, 12, 31);
    }
    QString build(const std::string &text) { return LitResultat(page, linesOf(kHeader2002 + text)); }
    QString cell(int row, int col) const { return page.grid.at(row, col); }
    QString amount(int row, int col) const { return cell(row, col).trimmed(); }
};

EntryCells debit(const std::string &date, const std::string &account, const std::string &amount)
{
    return {date, account, "", "OD", "", amount, "", ""};
}

EntryCells credit(const std::string &date, const std::string &account, const std::string &amount)
{
    return {date, account, "", "OD", "", "", amount, ""};
}

} // namespace

TEST_F(IncomeStatementTest, CaptionsOfBothSides)
{
    build("");
    EXPECT_EQ(cell(1, 0), "Achats");
    EXPECT_EQ(cell(10, 0), "Participation des salariés");
    EXPECT_EQ(cell(5, 2), "Subventions");
    EXPECT_EQ(cell(10, 2), "Transferts de charges");
    EXPECT_EQ(cell(11, 0), "Impôts sur les bénéfices");
    EXPECT_TRUE(cell(11, 2).isEmpty());
    EXPECT_EQ(cell(12, 0), "Total des charges d'exploitation");
    EXPECT_EQ(cell(12, 2), "Total des produits d'exploitation");
    EXPECT_EQ(cell(14, 0), "Solde créditeur : Bénéfices");
    EXPECT_EQ(cell(14, 2), "Solde débiteur : Pertes");
    EXPECT_EQ(cell(16, 2), "TOTAL GÉNÉRAL");
    EXPECT_TRUE(cell(17, 0).isEmpty());
    const QStringList natures{"Résultat d'exploitation", "Résultat financier", "Résultat courant avant impôts",
                              "Résultat exceptionnel", "Participation des salariés", "Impôts sur les bénéfices",
                              "Résultat de l'exercice"};
    for (int i = 0; i < natures.size(); ++i) {
        EXPECT_EQ(cell(kFirstNatureRow + i, 0), natures[i]);
        EXPECT_EQ(amount(kFirstNatureRow + i, 1), "0,00");
    }
}

TEST_F(IncomeStatementTest, EachHeadingHoldsTheBalanceOfItsAccounts)
{
    build(entriesText("200203", {debit("01/03/2002", "601000", "   100,00"), credit("02/03/2002", "601000", "    20,00"),
                                 credit("03/03/2002", "707000", "   300,00"), debit("04/03/2002", "701000", "     5,00"),
                                 credit("31/03/2002", "603700", "    30,00"), debit("31/03/2002", "713000", "    40,00")}));
    EXPECT_EQ(cell(1, 1), forms::Rset(QStringLiteral("50,00"))); // a purchase less its refund and the stock variation
    EXPECT_EQ(amount(1, 3), "295,00");                            // sales less a debit on sales
    EXPECT_EQ(amount(2, 3), "-40,00");                            // a heading may be negative
    EXPECT_EQ(amount(13, 1), "50,00");
    EXPECT_EQ(amount(13, 3), "255,00");
    EXPECT_EQ(amount(14, 1), "205,00");
}

TEST_F(IncomeStatementTest, ARefundReducesItsCharge)
{
    build(entriesText("200203", {debit("01/03/2002", "607000", "   100,00"), credit("02/03/2002", "607000", "    20,00")}));
    EXPECT_EQ(amount(1, 1), "80,00");
}

TEST_F(IncomeStatementTest, ProfitCase)
{
    build(entriesText("200203", {debit("01/03/2002", "607000", "  1000,00"), debit("02/03/2002", "661000", "   200,00"),
                                 credit("03/03/2002", "707000", "  1500,00")}));
    EXPECT_EQ(amount(1, 1), "1000,00");
    EXPECT_EQ(amount(7, 1), "200,00");
    EXPECT_EQ(amount(1, 3), "1500,00");
    EXPECT_EQ(amount(12, 1), "1000,00");
    EXPECT_EQ(amount(12, 3), "1500,00");
    EXPECT_EQ(amount(13, 1), "1200,00");
    EXPECT_EQ(amount(13, 3), "1500,00");
    EXPECT_EQ(cell(14, 1), forms::Rset(QStringLiteral("300,00")));
    EXPECT_TRUE(cell(14, 3).isEmpty());
    EXPECT_EQ(amount(16, 1), "1500,00");
    EXPECT_EQ(amount(16, 3), "1500,00");
}

TEST_F(IncomeStatementTest, LossCase)
{
    build(entriesText("200203", {debit("01/03/2002", "641000", "  1500,00"), credit("02/03/2002", "706000", "  1000,00")}));
    EXPECT_EQ(amount(5, 1), "1500,00");
    EXPECT_EQ(amount(12, 1), "1500,00");
    EXPECT_TRUE(cell(14, 1).isEmpty());
    EXPECT_EQ(amount(14, 3), "500,00");
    EXPECT_EQ(amount(16, 1), "1500,00");
    EXPECT_EQ(amount(16, 3), "1500,00");
}

TEST_F(IncomeStatementTest, NoEntriesGiveZeroTotalsAndANilLoss)
{
    build(entriesText("200203", {debit("01/03/2002", "411000", "  10,00"), credit("01/03/2002", "6", "  10,00"),
                                 debit("01/03/2002", "7", "  3,00"), debit("01/03/2002", "512000", "  3,00")}));
    for (int row = 1; row <= 10; ++row) {
        EXPECT_TRUE(cell(row, 1).isEmpty()) << row;
        EXPECT_TRUE(cell(row, 3).isEmpty()) << row;
    }
    for (int row : {12, 13, 16}) {
        EXPECT_EQ(amount(row, 1), "0,00");
        EXPECT_EQ(amount(row, 3), "0,00");
    }
    EXPECT_TRUE(cell(14, 1).isEmpty());
    EXPECT_EQ(amount(14, 3), "0,00");
}

TEST_F(IncomeStatementTest, DatesAtBothEndsAndOrderOfTheList)
{
    page.from = QDate(2002, 3, 1);
    page.to = QDate(2002, 3, 31);
    build(entriesText("200203", {debit("31/03/2002", "601000", "  1,00")}) +
          entriesText("200202", {debit("28/02/2002", "601000", "  2,00")}) +
          entriesText("200203", {debit("01/03/2002", "601000", "  4,00")}) +
          entriesText("200204", {debit("01/04/2002", "601000", "  8,00")}));
    EXPECT_EQ(amount(1, 1), "5,00");
}

TEST_F(IncomeStatementTest, OperatingTotalsTakeTheOperatingDepreciationAndWriteBacks)
{
    build(entriesText("200203", {debit("01/03/2002", "651000", "  6,00"), debit("01/03/2002", "681000", "  9,00"),
                                 debit("01/03/2002", "686000", "  4,00"), credit("01/03/2002", "758000", "  2,00"),
                                 credit("01/03/2002", "791000", "  1,00"), credit("01/03/2002", "797000", "  8,00")}));
    EXPECT_EQ(amount(6, 1), "6,00");
    EXPECT_EQ(amount(9, 1), "13,00");
    EXPECT_EQ(amount(6, 3), "2,00");
    EXPECT_EQ(amount(10, 3), "9,00");
    EXPECT_EQ(amount(12, 1), "15,00");
    EXPECT_EQ(amount(13, 1), "19,00");
    EXPECT_EQ(amount(12, 3), "3,00");
    EXPECT_EQ(amount(13, 3), "11,00");
    EXPECT_EQ(amount(14, 3), "8,00");
    EXPECT_EQ(amount(kLastNatureRow, 1), "-8,00"); // the year's result is the table's loss
}

// Each prefix of classes 6 and 7: its row and side in the table, and the
// result by nature its amount of 10,00 counts in.
struct NatureCase {
    const char *account;
    int row;
    Nature nature;
};

class IncomeNatureTest : public IncomeStatementTest, public ::testing::WithParamInterface<NatureCase> {};

TEST_P(IncomeNatureTest, EachAccountFeedsItsRowAndItsResult)
{
    const NatureCase c = GetParam();
    const bool charge = c.account[0] == '6';
    build(entriesText("200203", {charge ? debit("01/03/2002", c.account, "  10,00") : credit("01/03/2002", c.account, "  10,00")}));
    const int column = charge ? 1 : 3;
    const QString signedAmount = charge ? "-10,00" : "10,00";
    EXPECT_EQ(amount(c.row, column), "10,00");
    EXPECT_EQ(amount(12, column), c.nature == Nature::Operating ? "10,00" : "0,00");
    const auto shown = [&](bool counted) { return counted ? signedAmount : QStringLiteral("0,00"); };
    EXPECT_EQ(amount(kFirstNatureRow, 1), shown(c.nature == Nature::Operating));
    EXPECT_EQ(amount(kFirstNatureRow + 1, 1), shown(c.nature == Nature::Financial));
    EXPECT_EQ(amount(kFirstNatureRow + 2, 1), shown(c.nature == Nature::Operating || c.nature == Nature::Financial));
    EXPECT_EQ(amount(kFirstNatureRow + 3, 1), shown(c.nature == Nature::Exceptional));
    EXPECT_EQ(amount(kFirstNatureRow + 4, 1), shown(c.nature == Nature::Participation));
    EXPECT_EQ(amount(kFirstNatureRow + 5, 1), shown(c.nature == Nature::Tax));
    EXPECT_EQ(amount(kLastNatureRow, 1), signedAmount);
    const std::optional<IncomeHeading> heading = incomeHeadingOf(c.account);
    ASSERT_TRUE(heading);
    EXPECT_EQ(heading->charge, charge);
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, IncomeNatureTest,
    ::testing::Values(NatureCase{"601000", 1, Nature::Operating}, NatureCase{"658000", 6, Nature::Operating},
                      NatureCase{"661100", 7, Nature::Financial}, NatureCase{"671200", 8, Nature::Exceptional},
                      NatureCase{"681120", 9, Nature::Operating}, NatureCase{"686600", 9, Nature::Financial},
                      NatureCase{"687250", 9, Nature::Exceptional}, NatureCase{"691000", 10, Nature::Participation},
                      NatureCase{"694000", 10, Nature::Participation}, NatureCase{"695000", 11, Nature::Tax},
                      NatureCase{"699000", 11, Nature::Tax}, NatureCase{"706000", 1, Nature::Operating},
                      NatureCase{"758000", 6, Nature::Operating}, NatureCase{"764000", 7, Nature::Financial},
                      NatureCase{"775000", 8, Nature::Exceptional}, NatureCase{"781500", 9, Nature::Operating},
                      NatureCase{"786500", 9, Nature::Financial}, NatureCase{"787200", 9, Nature::Exceptional},
                      NatureCase{"791000", 10, Nature::Operating}, NatureCase{"796000", 10, Nature::Financial},
                      NatureCase{"797000", 10, Nature::Exceptional}));

TEST_F(IncomeStatementTest, ABadAmountOrLineDoesNotCutTheStatementShort)
{
    const QString message = build(entriesText("200203", {debit("01/03/2002", "601000", "  10,00"), debit("02/03/2002", "601000", "dix"),
                                 credit("03/03/2002", "707000", "  30,00")}) +
          "2002030" "04/03/2002\r\n2002031601000\r\n200203*\r\n2002035  5,00\r\n" +
          entriesText("200203", {debit("05/03/2002", "606000", "  1,00")}));
    EXPECT_EQ(amount(1, 1), "16,00");
    EXPECT_EQ(amount(1, 3), "30,00");
    EXPECT_EQ(amount(14, 1), "14,00");
    EXPECT_EQ(message, QStringLiteral("'dix' n'est pas une valeur numérique correcte (écriture du 02/03/2002, compte "
                                      "601000) : ce montant est compté pour zéro."));
}

TEST_F(IncomeStatementTest, RecomputingReplacesThePreviousStatement)
{
    build(entriesText("200203", {debit("01/03/2002", "601000", "  10,00")}));
    page.from = QDate(2002, 4, 1);
    build(entriesText("200203", {debit("01/03/2002", "601000", "  10,00")}));
    EXPECT_TRUE(cell(1, 1).isEmpty());
    EXPECT_TRUE(cell(14, 1).isEmpty());
    EXPECT_EQ(amount(14, 3), "0,00");
}
