#include "LedgerText.h"
#include "ui/RealisticYear.h"

#include "ledger/TextForms.h"
#include "reports/BalanceSheet.h"
#include "reports/IncomeStatement.h"
#include "yearend/Closing.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

const FiscalYear kYear2002{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};

BalanceSheetPage sheetOf(const LineList &lines)
{
    BalanceSheetPage page;
    page.to = QDate(2002, 12, 31);
    LitBilan(page, lines, kYear2002);
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
    // An asset's net figure is its gross amount, or its write-down taken off.
    const QString figureOf = QString::fromUtf8(c.figure);
    const QString net = c.column == 2 ? QStringLiteral("-") + figureOf : figureOf;
    for (int row = 1; row <= 17; ++row) {
        for (int column : {1, 2, 3, 5}) {
            const QString figure = page.grid.at(row, column).trimmed();
            const bool total = row == 5 || row == 9 || row == 14 || row == 17;
            // Every other row of an account shows a nil figure, bar the totals.
            const QString expected = row == c.row && column == c.column                ? figureOf
                                     : row == c.row && column == 3 && c.column < 3     ? net
                                     : figure.isEmpty() || total                       ? figure
                                                                                       : QStringLiteral("0,00");
            EXPECT_EQ(figure, expected) << row << ',' << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BalanceSheetRowTest,
    ::testing::Values(
        RowCase{"205000", "100,00", "", 2, 1, "100,00"},   // intangible assets
        RowCase{"280500", "", "30,00", 2, 2, "30,00"},    // their depreciation reduces them
        RowCase{"290500", "", "5,00", 2, 2, "5,00"},      // and their impairment
        RowCase{"218300", "100,00", "", 3, 1, "100,00"},   // tangible assets
        RowCase{"281830", "", "40,00", 3, 2, "40,00"},    // depreciation of tangible assets
        RowCase{"291100", "", "4,00", 3, 2, "4,00"},      // impairment of tangible assets
        RowCase{"275000", "60,00", "", 4, 1, "60,00"},     // deposits paid
        RowCase{"261000", "70,00", "", 4, 1, "70,00"},     // shares
        RowCase{"296000", "", "7,00", 4, 2, "7,00"},      // impairment of shares
        RowCase{"297000", "", "3,00", 4, 2, "3,00"},      // impairment of other financial assets
        RowCase{"370000", "500,00", "", 8, 1, "500,00"},   // stock
        RowCase{"397000", "", "50,00", 8, 2, "50,00"},    // impairment of stock
        RowCase{"409100", "80,00", "", 9, 1, "80,00"},     // down payment to a supplier, not a receivable
        RowCase{"411000", "120,00", "", 10, 1, "120,00"},  // customer
        RowCase{"401000", "20,00", "", 10, 1, "20,00"},    // supplier with a debit balance
        RowCase{"445660", "19,60", "", 10, 1, "19,60"},    // VAT to recover
        RowCase{"491000", "", "10,00", 10, 2, "10,00"},   // doubtful customers
        RowCase{"503000", "90,00", "", 11, 1, "90,00"},    // securities
        RowCase{"590000", "", "9,00", 11, 2, "9,00"},     // their impairment
        RowCase{"512000", "300,00", "", 12, 1, "300,00"},  // bank
        RowCase{"  530000 ", "15,00", "", 12, 1, "15,00"}, // cash, its code keyed with blanks
        RowCase{"486000", "45,00", "", 13, 1, "45,00"},    // prepaid expense
        RowCase{"101300", "", "1000,00", 2, 5, "1000,00"}, // capital
        RowCase{"108000", "", "200,00", 2, 5, "200,00"},   // owner's account, of 10
        RowCase{"105000", "", "70,00", 3, 5, "70,00"},     // revaluation
        RowCase{"106400", "", "30,00", 4, 5, "30,00"},     // regulated reserves, not other reserves
        RowCase{"106800", "", "40,00", 5, 5, "40,00"},     // other reserves
        RowCase{"110000", "", "25,00", 6, 5, "25,00"},     // retained earnings
        RowCase{"119000", "25,00", "", 6, 5, "-25,00"},    // retained losses
        RowCase{"120000", "", "12,00", 7, 5, "12,00"},     // last year's profit
        RowCase{"607000", "100,00", "", 7, 5, "-100,00"},  // a charge lowers the result
        RowCase{"707000", "", "150,00", 7, 5, "150,00"},   // a product raises it
        RowCase{"131000", "", "11,00", 8, 5, "11,00"},     // regulated provisions
        RowCase{"145000", "", "14,00", 8, 5, "14,00"},     // accelerated depreciation
        RowCase{"151000", "", "15,00", 11, 5, "15,00"},    // provisions for risks
        RowCase{"164000", "", "800,00", 12, 5, "800,00"},  // bank loan
        RowCase{"1", "", "6,00", 12, 5, "6,00"},           // another account of class 1
        RowCase{"512000", "", "300,00", 12, 5, "300,00"},  // bank overdraft
        RowCase{"419100", "", "35,00", 13, 5, "35,00"},    // down payment from a customer
        RowCase{"401000", "", "240,00", 14, 5, "240,00"},  // supplier
        RowCase{"411000", "", "50,00", 15, 5, "50,00"},    // customer with a credit balance
        RowCase{"445710", "", "39,20", 15, 5, "39,20"},    // VAT due
        RowCase{"421000", "", "1180,00", 15, 5, "1180,00"}, // wages due
        RowCase{"487000", "", "65,00", 16, 5, "65,00"}     // deferred income
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
    EXPECT_EQ(page.grid.at(3, 4), "Écart de réévaluation");
    EXPECT_EQ(page.grid.at(4, 4), "Réserves réglementées");
    EXPECT_EQ(page.grid.at(19, 0), "TOTAL GÉNÉRAL I+II");
    EXPECT_EQ(page.grid.at(5, 3), forms::Rset(QStringLiteral("800,00")));
    EXPECT_EQ(figure(page, 14, 3), "450,00");
    EXPECT_EQ(figure(page, 19, 3), "1250,00");
    EXPECT_EQ(figure(page, 9, 5), "1000,00");
    EXPECT_EQ(figure(page, 17, 5), "250,00");
    EXPECT_EQ(figure(page, 19, 5), "1250,00");
    EXPECT_EQ(figure(page, 11, 5), "0,00");
    for (int column : {1, 2, 3}) {
        EXPECT_TRUE(page.grid.at(1, column).isEmpty()) << column; // a heading has no figure
        EXPECT_TRUE(page.grid.at(6, column).isEmpty()) << column; // nor an empty row
    }
    EXPECT_TRUE(page.grid.at(10, 5).isEmpty());
    EXPECT_TRUE(page.grid.at(21, 0).isEmpty());
    EXPECT_TRUE(page.unassigned.isEmpty());
}

// The three columns of the assets: what is written down goes to the
// write-downs of its asset's row; the totals add each column.
TEST_F(BalanceSheetTest, AssetsShowGrossWriteDownsAndNet)
{
    const BalanceSheetPage page = sheetOf(linesOf(
        kHeader2002 + entriesText("200206", {amount("218300", "19200,00", ""), amount("281830", "", "4695,00"),
                                             amount("205000", "800,00", ""), amount("280500", "", "300,00"),
                                             amount("411000", "500,00", ""), amount("491000", "", "50,00"),
                                             amount("512000", "1000,00", ""), amount("101300", "", "16455,00")})));
    struct Expected {
        int row;
        const char *gross, *writeDowns, *net;
    };
    for (const Expected &e : {Expected{2, "800,00", "300,00", "500,00"}, Expected{3, "19200,00", "4695,00", "14505,00"},
                              Expected{4, "0,00", "0,00", "0,00"}, Expected{5, "20000,00", "4995,00", "15005,00"},
                              Expected{10, "500,00", "50,00", "450,00"}, Expected{12, "1000,00", "0,00", "1000,00"},
                              Expected{14, "1500,00", "50,00", "1450,00"}, Expected{19, "21500,00", "5045,00", "16455,00"}}) {
        EXPECT_EQ(figure(page, e.row, 1), e.gross) << e.row;
        EXPECT_EQ(figure(page, e.row, 2), e.writeDowns) << e.row;
        EXPECT_EQ(figure(page, e.row, 3), e.net) << e.row;
    }
    EXPECT_EQ(figure(page, 19, 5), "16455,00");
    EXPECT_TRUE(page.grid.at(21, 0).isEmpty());
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
                      entriesText("200207", {{"01/07/2002", "512000", "", "BQ", "", "999,00", "", ""}})),
        kYear2002);
    EXPECT_EQ(figure(page, 19, 3), "100,00");
    EXPECT_EQ(figure(page, 19, 5), "10,00");
    EXPECT_EQ(page.grid.at(21, 0), "Écart");
    EXPECT_EQ(page.grid.at(21, 3), forms::Rset(QStringLiteral("90,00")));
    EXPECT_EQ(page.unassigned, QStringLiteral("Comptes hors des classes 1 à 7, sans ligne au bilan : 801000 (solde créditeur "
                                              "40,00), sans compte (solde créditeur 25,00). Les débits et les crédits de la "
                                              "période diffèrent de 25,00."));
    EXPECT_EQ(message, QStringLiteral("'dix' n'est pas une valeur numérique correcte (écriture du 15/06/2002, compte "
                                      "411000) : ce montant est compté pour zéro."));
}

// A year opened with its capital and bank on the first day, then a purchase
// of equipment in February, a loan in April and a sale in July.
struct PositionCase {
    const char *what;
    QDate from; // what an older caller left in the page: never a start
    QDate at;
    const char *capital;
    const char *equipment;
    const char *bank;
    const char *loan;
    const char *result;
};

class BalanceSheetPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(BalanceSheetPositionTest, ThePositionAtTheDateCountsTheYearFromItsFirstDay)
{
    const PositionCase &c = GetParam();
    const LineList lines = linesOf(
        kHeader2002 +
        entriesText("200201", {{"01/01/2002", "512000", "A nouveau", "AN", "", "1000,00", "", ""},
                               {"01/01/2002", "101300", "A nouveau", "AN", "", "", "1000,00", ""}}) +
        entriesText("200202", {{"10/02/2002", "218300", "Ordinateur", "BQ", "F1", "600,00", "", ""},
                               {"10/02/2002", "512000", "Ordinateur", "BQ", "F1", "", "600,00", ""}}) +
        entriesText("200204", {{"15/04/2002", "512000", "Emprunt", "BQ", "", "2000,00", "", ""},
                               {"15/04/2002", "164000", "Emprunt", "BQ", "", "", "2000,00", ""}}) +
        entriesText("200207", {{"20/07/2002", "512000", "Vente", "BQ", "", "300,00", "", ""},
                               {"20/07/2002", "707000", "Vente", "BQ", "", "", "300,00", ""}}));
    BalanceSheetPage page;
    page.from = c.from;
    page.to = c.at;
    EXPECT_TRUE(LitBilan(page, lines, kYear2002).isEmpty());
    const auto figure = [&page](int row, int column) { return page.grid.at(row, column).trimmed(); };
    EXPECT_EQ(page.from, QDate(2002, 1, 1));
    EXPECT_EQ(figure(2, 5), c.capital);
    EXPECT_EQ(figure(3, 3), c.equipment);
    EXPECT_EQ(figure(12, 3), c.bank);
    EXPECT_EQ(figure(12, 5), c.loan);
    EXPECT_EQ(figure(7, 5), c.result);
    EXPECT_EQ(figure(19, 3), figure(19, 5));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, BalanceSheetPositionTest,
    ::testing::Values(
        PositionCase{"the first day: the opening entries alone", {}, QDate(2002, 1, 1), "1000,00", "0,00", "1000,00",
                     "0,00", "0,00"},
        PositionCase{"end of March", {}, QDate(2002, 3, 31), "1000,00", "600,00", "400,00", "0,00", "0,00"},
        PositionCase{"end of June, a start in April left by the page", QDate(2002, 4, 1), QDate(2002, 6, 30),
                     "1000,00", "600,00", "2400,00", "2000,00", "0,00"},
        PositionCase{"the year's last day", QDate(2002, 7, 1), QDate(2002, 12, 31), "1000,00", "600,00", "2700,00",
                     "2000,00", "300,00"}));

TEST_F(BalanceSheetTest, ADateOutsideTheYearIsRefused)
{
    for (const QDate at : {QDate(2001, 12, 31), QDate(2003, 1, 1), QDate()}) {
        BalanceSheetPage page;
        page.to = at;
        EXPECT_EQ(LitBilan(page, linesOf(kHeader2002 + entriesText("200206", {amount("512000", "100,00", "")})),
                           kYear2002),
                  QStringLiteral("Le bilan se fait à une date de l'exercice, du 01/01/2002 au 31/12/2002 : il part "
                                 "toujours du premier jour de l'exercice, à-nouveaux compris."));
        EXPECT_EQ(page.grid.at(2, 0), QStringLiteral("Immobilisations incorporelles"));
        EXPECT_TRUE(figure(page, 12, 3).isEmpty());
    }
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
    EXPECT_EQ(figure(sheet, 19, 3), figure(sheet, 19, 5));
    EXPECT_TRUE(sheet.grid.at(21, 0).isEmpty());
    EXPECT_TRUE(sheet.unassigned.isEmpty());
    EXPECT_EQ(figure(sheet, 8, 3), "4200,00");
    EXPECT_EQ(figure(sheet, 13, 3), "850,00");

    PeriodPage statement(32, 4);
    statement.from = sheet.from;
    statement.to = sheet.to;
    EXPECT_TRUE(LitResultat(statement, lines).isEmpty());
    const QString profit = figure(sheet, 7, 5);
    ASSERT_FALSE(profit.startsWith(u'-')) << profit.toStdString();
    EXPECT_EQ(statement.grid.at(14, 1).trimmed(), profit);

    ReferenceData ref;
    realisticChart(ref);
    const yearend::OpeningEntries closing = yearend::openingEntries(lines, {sheet.from, sheet.to, sheet.from}, ref.ListePlc);
    const std::string resultLine = closing.text.substr(closing.text.rfind("\r\n", closing.text.size() - 3) + 2);
    EXPECT_EQ(resultLine, "01/01/2003\t120000\t\tAN\t\t\t" + profit.toStdString() + "\r\n");
}

} // namespace
