#include "LedgerText.h"
#include "ui/RealisticYear.h"

#include "ledger/TextForms.h"
#include "reports/BalanceSheet.h"
#include "reports/IncomeStatement.h"
#include "yearend/Closing.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

BalanceSheetPage sheetOf(const LineList &lines)
{
    BalanceSheetPage page;
    page.from = QDate(2002, 1, 1);
    page.to = QDate(2002, 12, 31);
    LitBilan(page, lines);
    return page;
}

EntryCells amount(const std::string &account, const std::string &debit, const std::string &credit)
{
    return {"15/06/2002", account, "", "OD", "", debit, credit, ""};
}

// One account of a small book and the one figure its balance feeds.
struct RowCase {
    const char *account;
    const char *debit;
    const char *credit;
    int row;
    int column;
    const char *figure;
};

class BalanceSheetRowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(BalanceSheetRowTest, EachAccountFeedsItsRow)
{
    const RowCase &c = GetParam();
    const BalanceSheetPage page = sheetOf(linesOf(kHeader2002 + entriesText("200206", {amount(c.account, c.debit, c.credit)})));
    for (int row = 1; row <= 17; ++row) {
        for (int column : {1, 3}) {
            const QString figure = page.grid.at(row, column).trimmed();
            const bool total = row == 5 || row == 9 || row == 14 || row == 17;
            // Every other row of an account shows a nil figure, bar the totals.
            const QString expected = row == c.row && column == c.column ? QString::fromUtf8(c.figure)
                                     : figure.isEmpty() || total         ? figure
                                                                         : QStringLiteral("0,00");
            EXPECT_EQ(figure, expected) << row << ',' << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BalanceSheetRowTest,
    ::testing::Values(
        RowCase{"205000", "100,00", "", 2, 1, "100,00"},   // intangible assets
        RowCase{"280500", "", "30,00", 2, 1, "-30,00"},    // their depreciation reduces them
        RowCase{"290500", "", "5,00", 2, 1, "-5,00"},      // and their impairment
        RowCase{"218300", "100,00", "", 3, 1, "100,00"},   // tangible assets
        RowCase{"281830", "", "40,00", 3, 1, "-40,00"},    // depreciation of tangible assets
        RowCase{"291100", "", "4,00", 3, 1, "-4,00"},      // impairment of tangible assets
        RowCase{"275000", "60,00", "", 4, 1, "60,00"},     // deposits paid
        RowCase{"261000", "70,00", "", 4, 1, "70,00"},     // shares
        RowCase{"296000", "", "7,00", 4, 1, "-7,00"},      // impairment of shares
        RowCase{"297000", "", "3,00", 4, 1, "-3,00"},      // impairment of other financial assets
        RowCase{"370000", "500,00", "", 8, 1, "500,00"},   // stock
        RowCase{"397000", "", "50,00", 8, 1, "-50,00"},    // impairment of stock
        RowCase{"409100", "80,00", "", 9, 1, "80,00"},     // down payment to a supplier, not a receivable
        RowCase{"411000", "120,00", "", 10, 1, "120,00"},  // customer
        RowCase{"401000", "20,00", "", 10, 1, "20,00"},    // supplier with a debit balance
        RowCase{"445660", "19,60", "", 10, 1, "19,60"},    // VAT to recover
        RowCase{"491000", "", "10,00", 10, 1, "-10,00"},   // doubtful customers
        RowCase{"503000", "90,00", "", 11, 1, "90,00"},    // securities
        RowCase{"590000", "", "9,00", 11, 1, "-9,00"},     // their impairment
        RowCase{"512000", "300,00", "", 12, 1, "300,00"},  // bank
        RowCase{"  530000 ", "15,00", "", 12, 1, "15,00"}, // cash, its code keyed with blanks
        RowCase{"486000", "45,00", "", 13, 1, "45,00"},    // prepaid expense
        RowCase{"101300", "", "1000,00", 2, 3, "1000,00"}, // capital
        RowCase{"108000", "", "200,00", 2, 3, "200,00"},   // owner's account, of 10
        RowCase{"105000", "", "70,00", 3, 3, "70,00"},     // revaluation
        RowCase{"106400", "", "30,00", 4, 3, "30,00"},     // regulated reserves, not other reserves
        RowCase{"106800", "", "40,00", 5, 3, "40,00"},     // other reserves
        RowCase{"110000", "", "25,00", 6, 3, "25,00"},     // retained earnings
        RowCase{"119000", "25,00", "", 6, 3, "-25,00"},    // retained losses
        RowCase{"120000", "", "12,00", 7, 3, "12,00"},     // last year's profit
        RowCase{"607000", "100,00", "", 7, 3, "-100,00"},  // a charge lowers the result
        RowCase{"707000", "", "150,00", 7, 3, "150,00"},   // a product raises it
        RowCase{"131000", "", "11,00", 8, 3, "11,00"},     // regulated provisions
        RowCase{"145000", "", "14,00", 8, 3, "14,00"},     // accelerated depreciation
        RowCase{"151000", "", "15,00", 11, 3, "15,00"},    // provisions for risks
        RowCase{"164000", "", "800,00", 12, 3, "800,00"},  // bank loan
        RowCase{"1", "", "6,00", 12, 3, "6,00"},           // another account of class 1
        RowCase{"512000", "", "300,00", 12, 3, "300,00"},  // bank overdraft
        RowCase{"419100", "", "35,00", 13, 3, "35,00"},    // down payment from a customer
        RowCase{"401000", "", "240,00", 14, 3, "240,00"},  // supplier
        RowCase{"411000", "", "50,00", 15, 3, "50,00"},    // customer with a credit balance
        RowCase{"445710", "", "39,20", 15, 3, "39,20"},    // VAT due
        RowCase{"421000", "", "1180,00", 15, 3, "1180,00"}, // wages due
        RowCase{"487000", "", "65,00", 16, 3, "65,00"}     // deferred income
        ));

struct BalanceSheetTest : ::testing::Test {
    static QString figure(const BalanceSheetPage &page, int row, int column) { return page.grid.at(row, column).trimmed(); }
};

TEST_F(BalanceSheetTest, CaptionsTotalsAndAlignment)
{
    const BalanceSheetPage page = sheetOf(linesOf(
        kHeader2002 + entriesText("200206", {amount("218300", "1000,00", ""), amount("281830", "", "200,00"),
                                             amount("411000", "300,00", ""), amount("512000", "150,00", ""),
                                             amount("101300", "", "1000,00"), amount("401000", "", "250,00")})));
    EXPECT_EQ(page.grid.at(3, 2), "Écart de réévaluation");
    EXPECT_EQ(page.grid.at(19, 0), "TOTAL GÉNÉRAL I+II");
    EXPECT_EQ(page.grid.at(5, 1), forms::Rset(QStringLiteral("800,00")));
    EXPECT_EQ(figure(page, 14, 1), "450,00");
    EXPECT_EQ(figure(page, 19, 1), "1250,00");
    EXPECT_EQ(figure(page, 9, 3), "1000,00");
    EXPECT_EQ(figure(page, 17, 3), "250,00");
    EXPECT_EQ(figure(page, 19, 3), "1250,00");
    EXPECT_EQ(figure(page, 11, 3), "0,00");
    EXPECT_TRUE(page.grid.at(1, 1).isEmpty());  // a heading has no figure
    EXPECT_TRUE(page.grid.at(10, 3).isEmpty()); // nor an empty row
    EXPECT_TRUE(page.grid.at(21, 0).isEmpty());
    EXPECT_TRUE(page.unassigned.isEmpty());
}

TEST_F(BalanceSheetTest, TheGapAndTheAccountsThatFeedNoRow)
{
    BalanceSheetPage page;
    page.from = QDate(2002, 6, 1);
    page.to = QDate(2002, 6, 30);
    const QString message = LitBilan(
        page, linesOf(kHeader2002 + entriesText("200206", {amount("512000", "100,00", ""), amount("801000", "", "40,00"),
                                                           amount("", "", "25,00"), amount("707000", "", "10,00"),
                                                           amount("411000", "dix", "")}) +
                      entriesText("200207", {{"01/07/2002", "512000", "", "BQ", "", "999,00", "", ""}})));
    EXPECT_EQ(figure(page, 19, 1), "100,00");
    EXPECT_EQ(figure(page, 19, 3), "10,00");
    EXPECT_EQ(page.grid.at(21, 0), "Écart");
    EXPECT_EQ(page.grid.at(21, 1), forms::Rset(QStringLiteral("90,00")));
    EXPECT_EQ(page.unassigned, QStringLiteral("Comptes hors des classes 1 à 7, sans ligne au bilan : 801000 (solde créditeur "
                                              "40,00), sans compte (solde créditeur 25,00). Les débits et les crédits de la "
                                              "période diffèrent de 25,00."));
    EXPECT_EQ(message, QStringLiteral("'dix' n'est pas une valeur numérique correcte (écriture du 15/06/2002, compte "
                                      "411000) : ce montant est compté pour zéro."));
}

TEST_F(BalanceSheetTest, ARealisticYearBalancesAndItsThreeResultsAgree)
{
    // A shop's year, with its capital, a loan, a supplier's refund, the
    // stock at the year's end and a prepaid rent.
    const std::string text =
        realisticYear() +
        entriesText("200201", {{"02/01/2002", "512000", "Apport", "OD", "", "  15000,00", "", ""},
                               {"02/01/2002", "101000", "Apport", "OD", "", "", "  10000,00", ""},
                               {"02/01/2002", "164000", "Emprunt", "OD", "", "", "   5000,00", ""}}) +
        entriesText("200212", {{"10/12/2002", "401000", "Avoir", "AC", "", "   239,20", "", ""},
                               {"10/12/2002", "607000", "Avoir", "AC", "", "", "   200,00", ""},
                               {"10/12/2002", "445660", "Avoir", "AC", "", "", "    39,20", ""},
                               {"31/12/2002", "370000", "Stock final", "OD", "", "  4200,00", "", ""},
                               {"31/12/2002", "603700", "Stock final", "OD", "", "", "  4200,00", ""},
                               {"31/12/2002", "486000", "Loyer de janvier", "OD", "", "   850,00", "", ""},
                               {"31/12/2002", "613200", "Loyer de janvier", "OD", "", "", "   850,00", ""}});
    const LineList lines = linesOf(text);
    const BalanceSheetPage sheet = sheetOf(lines);
    EXPECT_EQ(figure(sheet, 19, 1), figure(sheet, 19, 3));
    EXPECT_TRUE(sheet.grid.at(21, 0).isEmpty());
    EXPECT_TRUE(sheet.unassigned.isEmpty());
    EXPECT_EQ(figure(sheet, 8, 1), "4200,00");
    EXPECT_EQ(figure(sheet, 13, 1), "850,00");

    PeriodPage statement(32, 4);
    statement.from = sheet.from;
    statement.to = sheet.to;
    EXPECT_TRUE(LitResultat(statement, lines).isEmpty());
    const QString profit = figure(sheet, 7, 3);
    ASSERT_FALSE(profit.startsWith(u'-')) << profit.toStdString();
    EXPECT_EQ(statement.grid.at(14, 1).trimmed(), profit);

    ReferenceData ref;
    realisticChart(ref);
    const yearend::OpeningEntries closing = yearend::openingEntries(lines, {sheet.from, sheet.to, sheet.from}, ref.ListePlc);
    const std::string resultLine = closing.text.substr(closing.text.rfind("\r\n", closing.text.size() - 3) + 2);
    EXPECT_EQ(resultLine, "01/01/2003\t120000\t\tAN\t\t\t" + profit.toStdString() + "\r\n");
}

} // namespace
