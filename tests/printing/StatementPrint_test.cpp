#include "PrintCalls.h"

#include "printing/StatementPrint.h"
#include "reports/BalanceSheet.h"
#include "LedgerText.h"
#include "reports/ViewPages.h"
#include "support/RecordingPrinter.h"

#include <gtest/gtest.h>

using namespace printcalls;
using Call = RecordingPrinter::Call;

namespace {

PeriodPage statement()
{
    PeriodPage page(32, 4);
    page.from = QDate(2002, 1, 1);
    page.to = QDate(2002, 12, 31);
    page.grid.set(0, 0, QStringLiteral("CHARGES (HORS TAXES)"));
    for (int row = 1; row <= 20; ++row) {
        page.grid.set(row, 0, QStringLiteral("Charge %1").arg(row));
        page.grid.set(row, 1, QStringLiteral("   %1,00").arg(row));
        page.grid.set(row, 2, QStringLiteral("Produit %1").arg(row));
        page.grid.set(row, 3, QStringLiteral("  %1,50").arg(row));
    }
    return page;
}

TEST(IncomeStatementPrintTest, FrameTitleAndCaptionsAtTheirMillimetres)
{
    RecordingPrinter printer(600, 203, 290); // 23 dots a millimetre
    ASSERT_TRUE(printing::ImpResultat(printer, statement()));

    using Op = RecordingPrinter::Op;
    const std::vector<Call> frame(printer.calls.begin(), printer.calls.begin() + 32);
    const std::vector<Call> expected{
        {Op::FontName, QStringLiteral("Arial")},
        {Op::FontSize, {}, 10},
        {Op::Begin},
        {Op::PenWidth, {}, 2},
        {Op::Rectangle, {}, 690, 1035, 4600, 3335},
        {Op::MoveTo, {}, 690, 1265},  {Op::LineTo, {}, 4600, 1265}, // caption row at 50
        {Op::MoveTo, {}, 2070, 1035}, {Op::LineTo, {}, 2070, 3335}, // x = 80
        {Op::MoveTo, {}, 2645, 1035}, {Op::LineTo, {}, 2645, 3335}, // x = 105
        {Op::MoveTo, {}, 4025, 1035}, {Op::LineTo, {}, 4025, 3335}, // x = 165
        {Op::MoveTo, {}, 690, 2530},  {Op::LineTo, {}, 4600, 2530}, // under row 10
        {Op::MoveTo, {}, 690, 2990},  {Op::LineTo, {}, 4600, 2990}, // under row 14
        {Op::FontName, QStringLiteral("Arial")},
        {Op::FontSize, {}, 12},
        {Op::Bold, {}, 1},
        {Op::Text, QStringLiteral("Résultat du"), 736, 621},
        {Op::Text, QStringLiteral("01/01/2002"), 1426, 621},
        {Op::Text, QStringLiteral("au"), 2116, 621},
        {Op::Text, QStringLiteral("31/12/2002"), 2346, 621},
        {Op::FontSize, {}, 10},
        {Op::Text, QStringLiteral("CHARGES (HORS TAXES)"), 736, 1081},
        {Op::Text, QStringLiteral("ACTIF"), 2116, 1081},
        {Op::Text, QStringLiteral("PRODUITS (HORS TAXES)"), 2691, 1081},
        {Op::Text, QStringLiteral("PASSIF"), 4071, 1081},
        {Op::Bold, {}, 0},
        {Op::FontSize, {}, 9},
        {Op::Text, QStringLiteral("Charge 1"), 736, 1380},
    };
    EXPECT_EQ(frame, expected);
    EXPECT_EQ(printer.calls.back().op, Op::End);
    EXPECT_EQ(printer.count(Op::NewPage), 0);
    EXPECT_EQ(printer.count(Op::Begin), 1);
}

TEST(IncomeStatementPrintTest, SixteenRowsInTheFrameAtTwoResolutions)
{
    struct Resolution {
        int dpi, dotsPerMm;
    };
    for (const Resolution res : {Resolution{600, 23}, Resolution{300, 11}}) {
        SCOPED_TRACE(res.dpi);
        RecordingPrinter printer(res.dpi, 203, 290);
        ASSERT_TRUE(printing::ImpResultat(printer, statement()));
        const auto at = [&](int x, int y) { return QPoint(res.dotsPerMm * (x + 10), res.dotsPerMm * (y + 5)); };
        for (int row = 1; row <= 16; ++row) {
            const int line = 50 + 5 * row;
            const QString chargeAmount = QStringLiteral("%1,00").arg(row);
            const QString productAmount = QStringLiteral("%1,50").arg(row);
            EXPECT_EQ(placeOf(printer, QStringLiteral("Charge %1").arg(row)), at(22, line));
            EXPECT_EQ(placeOf(printer, chargeAmount), at(103, line) - QPoint(printer.widthOf(chargeAmount, 9), 0));
            EXPECT_EQ(placeOf(printer, QStringLiteral("Produit %1").arg(row)), at(107, line));
            EXPECT_EQ(placeOf(printer, productAmount), at(188, line) - QPoint(printer.widthOf(productAmount, 9), 0));
        }
        // Row 17 and the title row are not printed; nothing is summed. From
        // row 18 the results by nature go under the frame, two cells a row.
        EXPECT_TRUE(placesOf(printer, QStringLiteral("Charge 17")).empty());
        EXPECT_EQ(placesOf(printer, QStringLiteral("CHARGES (HORS TAXES)")).size(), 1u);
        EXPECT_EQ(placeOf(printer, QStringLiteral("Charge 18")), at(22, 145));
        EXPECT_EQ(placeOf(printer, QStringLiteral("20,00")), at(103, 155) - QPoint(printer.widthOf(QStringLiteral("20,00"), 9), 0));
        EXPECT_TRUE(placesOf(printer, QStringLiteral("Produit 18")).empty());
        EXPECT_EQ(printer.count(RecordingPrinter::Op::Text), 8 + 16 * 4 + 3 * 2);
    }
}

TEST(IncomeStatementPrintTest, EmptyCellsPrintNothing)
{
    RecordingPrinter printer;
    PeriodPage page(32, 4);
    page.from = QDate(2002, 1, 1);
    page.to = QDate(2002, 12, 31);
    page.grid.set(13, 0, QStringLiteral("Total"));
    page.grid.set(13, 1, QStringLiteral("     0,00"));

    ASSERT_TRUE(printing::ImpResultat(printer, page));
    EXPECT_EQ(printer.count(RecordingPrinter::Op::Text), 8 + 2);
    EXPECT_EQ(placeOf(printer, QStringLiteral("0,00")).y(), 23 * (50 + 5 * 13 + 5));
}

TEST(IncomeStatementPrintTest, ARefusedJobDrawsNothing)
{
    RecordingPrinter printer;
    printer.refuseBegin = true;
    EXPECT_FALSE(printing::ImpResultat(printer, statement()));
    EXPECT_EQ(printer.count(RecordingPrinter::Op::Rectangle), 0);
    EXPECT_EQ(printer.count(RecordingPrinter::Op::End), 0);
}

TEST(StatementPrintTest, TheBalanceSheetInTheFrameWithItsGapAndItsNote)
{
    struct Case {
        const char *what;
        std::string entries;
        int bottom;      // of the frame, in millimetres
        int rules;       // lines across, the caption row's included
        bool gapPrinted; // row 21
    };
    const Case cases[] = {
        {"balanced", entriesText("200206", {{"01/06/2002", "512000", "", "BQ", "", "10,00", "", ""},
                                            {"01/06/2002", "101000", "", "BQ", "", "", "10,00", ""}}),
         150, 2, false},
        {"with a gap", entriesText("200206", {{"01/06/2002", "512000", "", "BQ", "", "10,00", "", ""},
                                              {"01/06/2002", "801000", "", "BQ", "", "", "10,00", ""}}),
         160, 3, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ViewPages views;
        BalanceSheetPage &page = views.balanceSheet;
        page.to = QDate(2002, 12, 31);
        reports::LitBilan(page, linesOf(kHeader2002 + c.entries), {QDate(2002, 1, 1), page.to, QDate(2002, 1, 1)});
        RecordingPrinter printer(600, 203, 290); // 23 dots a millimetre
        ASSERT_TRUE(printing::printBalanceSheet(printer, page));
        const auto at = [](int x, int y) { return QPoint(23 * (x + 10), 23 * (y + 5)); };

        EXPECT_EQ(printer.count(RecordingPrinter::Op::Rectangle), 1);
        EXPECT_EQ(printer.count(RecordingPrinter::Op::MoveTo), 5 + c.rules);
        EXPECT_EQ(placeOf(printer, QStringLiteral("Bilan au")), at(22, 22));
        EXPECT_EQ(placeOf(printer, QStringLiteral("31/12/2002")), at(52, 22));
        EXPECT_TRUE(placesOf(printer, QStringLiteral("01/01/2002")).empty());
        EXPECT_TRUE(placesOf(printer, QStringLiteral("au")).empty());
        EXPECT_EQ(placesOf(printer, QStringLiteral("Exercice N")), (std::vector<QPoint>{at(175, 42)}));
        for (const auto &[caption, x] : {std::pair{"Brut", 64}, std::pair{"Amort.", 81}, std::pair{"Net", 100}})
            EXPECT_EQ(placeOf(printer, QString::fromUtf8(caption)), at(x, 42)) << caption;
        EXPECT_EQ(placeOf(printer, QStringLiteral("Disponibilités")), at(22, 50 + 5 * 12));
        EXPECT_EQ(placeOf(printer, QStringLiteral("TOTAL GÉNÉRAL I+II+III")), at(117, 50 + 5 * 19));
        EXPECT_EQ(placesOf(printer, QStringLiteral("Écart")).size(), c.gapPrinted ? 1u : 0u);
        if (c.gapPrinted) {
            EXPECT_EQ(placeOf(printer, page.unassigned).y(), at(22, c.bottom + 5).y());
        }
        const auto frame = std::find_if(printer.calls.begin(), printer.calls.end(),
                                        [](const Call &call) { return call.op == RecordingPrinter::Op::Rectangle; });
        EXPECT_EQ(*frame, (Call{RecordingPrinter::Op::Rectangle, {}, 690, 1035, 4600, 23 * (c.bottom + 5)}));
    }
}

} // namespace
