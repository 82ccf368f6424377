#include "PrintCalls.h"

#include "ledger/TextGrid.h"
#include "printing/StatementPrint.h"
#include "printing/Listings.h"
#include "reports/ViewPages.h"
#include "support/RecordingPrinter.h"

#include <QLocale>
#include <algorithm>
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace printcalls;
using Call = RecordingPrinter::Call;

namespace {

const QString march = QStringLiteral("Mars");

void fill(TextGrid &grid, int row, const std::vector<QString> &cells)
{
    grid.growFor(row);
    for (std::size_t col = 0; col < cells.size(); ++col)
        grid.set(row, int(col), cells[col]);
}

// A row of the entry grid or of the journal and ledger views.
std::vector<QString> entry(const QString &date, const QString &debit, const QString &credit = {})
{
    return {date, QStringLiteral("411000"), QStringLiteral("Facture"), QStringLiteral("VE"), QStringLiteral("F1"),
            debit, credit, QString()};
}

// A view of `rows` entries of 1,00 each, all on 1 March.
MonthViewPage viewOfOnes(int rows)
{
    MonthViewPage view(8);
    for (int row = 1; row <= rows; ++row)
        fill(view.grid, row, entry(QStringLiteral("01/03/2002"), QStringLiteral("1,00")));
    return view;
}

// Dots of a position in millimetres, with the 10 mm left and 5 mm top margins.
int across(int dotsPerMm, int x) { return dotsPerMm * (x + 10); }
int down(int dotsPerMm, int y) { return dotsPerMm * (y + 5); }

TEST(ListingTest, EmptyJournalViewPrintsTheHeaderARuleAndZeroTotals)
{
    RecordingPrinter printer(600, 203, 290); // 23 dots a millimetre both ways
    MonthViewPage journal(8);
    journal.grid.set(0, 0, QStringLiteral("Date")); // the title row is never printed

    ASSERT_TRUE(printing::ImpJournal(printer, journal, march, 2002));

    using Op = RecordingPrinter::Op;
    const auto right = [&](int edge, const QString &text, bool bold) { return edge - printer.widthOf(text, 8, bold); };
    const std::vector<Call> expected{
        {Op::FontName, QStringLiteral("Arial")},
        {Op::FontSize, {}, 10},
        {Op::Begin},
        {Op::Bold, {}, 1},
        {Op::FontSize, {}, 10},
        {Op::Text, QStringLiteral("Journal de Mars 2002"), 230, 115},
        {Op::FontSize, {}, 8},
        {Op::Text, QStringLiteral("Date"), 230, 276},
        {Op::Text, QStringLiteral("Compte"), 690, 276},
        {Op::Text, QStringLiteral("Libellé"), 1150, 276},
        {Op::Text, QStringLiteral("Journal"), 2760, 276},
        {Op::Text, QStringLiteral("Pièce"), 3082, 276},
        {Op::Text, QStringLiteral("Débit"), right(3910, QStringLiteral("Débit"), true), 276},
        {Op::Text, QStringLiteral("Crédit"), right(4600, QStringLiteral("Crédit"), true), 276},
        {Op::Bold, {}, 0},
        {Op::MoveTo, {}, 230, 391},
        {Op::LineTo, {}, 4600, 391},
        {Op::MoveTo, {}, 230, 460},
        {Op::LineTo, {}, 4600, 460},
        {Op::Text, QStringLiteral("0,00"), right(3910, QStringLiteral("0,00"), false), 575},
        {Op::Text, QStringLiteral("0,00"), right(4600, QStringLiteral("0,00"), false), 575},
        {Op::End},
    };
    EXPECT_EQ(printer.calls, expected);
}

TEST(ListingTest, EmptyMonthOfTheEntryGridPrintsTheSame)
{
    RecordingPrinter printer(600, 203, 290);
    TextGrid entryGrid(32, 8);
    fill(entryGrid, 0, entry(QStringLiteral("01/03/2002"), QStringLiteral("5,00"))); // beyond NbLignes

    ASSERT_TRUE(printing::ImpJnl(printer, entryGrid, 0, march, 2002));

    EXPECT_EQ(horizontalRules(printer.calls), (std::vector<Rule>{{391, 230, 4600}, {460, 230, 4600}}));
    EXPECT_EQ(placesOf(printer, QStringLiteral("0,00")).size(), 2u);
    for (const QPoint &place : placesOf(printer, QStringLiteral("0,00")))
        EXPECT_EQ(place.y(), 575);
    EXPECT_TRUE(placesOf(printer, QStringLiteral("01/03/2002")).empty());
}

// Each listing's columns and column titles, at two resolutions.
struct ColumnCase {
    const char *name;
    std::function<bool(Printer &)> print;
    std::vector<std::pair<QString, int>> left;   // text, x in millimetres
    std::vector<std::pair<QString, int>> right;  // text, right edge in millimetres
    std::vector<std::pair<QString, int>> titles; // left-aligned titles
    std::vector<std::pair<QString, int>> rightTitles;
};

std::vector<ColumnCase> columnCases()
{
    static TextGrid entryGrid(32, 8);
    static MonthViewPage journal(8), generalLedger(8), general(6);
    static BalancePage balance;
    const std::vector<QString> row{QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("Facture Dupont"),
                                   QStringLiteral("VE"),         QStringLiteral("F12"),    QStringLiteral("    1200,00"),
                                   QStringLiteral("  300,50"),   QStringLiteral("P")};
    fill(entryGrid, 0, row);
    fill(journal.grid, 1, row);
    fill(generalLedger.grid, 1, row);
    fill(general.grid, 1,
         {QStringLiteral("05/03/2002"), QStringLiteral("411000"), QStringLiteral("Clients"), QStringLiteral("VE"),
          QStringLiteral("  1200,00"), QStringLiteral(" 300,50")});
    fill(balance.grid, 1,
         {QStringLiteral("411000"), QStringLiteral("Clients"), QStringLiteral(" 1200,00"), QStringLiteral(" 300,50"),
          QStringLiteral("899,50"), QString()});

    const std::vector<std::pair<QString, int>> entryLeft{{QStringLiteral("05/03/2002"), 0}, {QStringLiteral("411000"), 20},
                                                         {QStringLiteral("Facture Dupont"), 40}, {QStringLiteral("VE"), 110},
                                                         {QStringLiteral("F12"), 124}};
    const std::vector<std::pair<QString, int>> entryRight{{QStringLiteral("1200,00"), 160}, {QStringLiteral("300,50"), 190}};
    const std::vector<std::pair<QString, int>> entryTitles{{QStringLiteral("Date"), 0},     {QStringLiteral("Compte"), 20},
                                                           {QStringLiteral("Libellé"), 40}, {QStringLiteral("Journal"), 110},
                                                           {QStringLiteral("Pièce"), 124}};
    const std::vector<std::pair<QString, int>> entryRightTitles{{QStringLiteral("Débit"), 160}, {QStringLiteral("Crédit"), 190}};
    return {
        {"ImpJnl", [](Printer &p) { return printing::ImpJnl(p, entryGrid, 1, march, 2002); }, entryLeft, entryRight,
         entryTitles, entryRightTitles},
        {"ImpJournal", [](Printer &p) { return printing::ImpJournal(p, journal, march, 2002); }, entryLeft, entryRight,
         entryTitles, entryRightTitles},
        {"ImpGL", [](Printer &p) { return printing::ImpGL(p, generalLedger, march, 2002); }, entryLeft, entryRight, entryTitles,
         entryRightTitles},
        {"ImpGeneral",
         [](Printer &p) { return printing::ImpGeneral(p, general, march, 2002); },
         {{QStringLiteral("05/03/2002"), 0}, {QStringLiteral("411000"), 20}, {QStringLiteral("Clients"), 40},
          {QStringLiteral("VE"), 120}},
         entryRight,
         {{QStringLiteral("Date"), 0}, {QStringLiteral("Compte"), 20}, {QStringLiteral("Libellé"), 40},
          {QStringLiteral("Journal"), 120}},
         entryRightTitles},
        {"ImpBalance",
         [](Printer &p) { return printing::ImpBalance(p, balance); },
         {{QStringLiteral("411000"), 0}, {QStringLiteral("Clients"), 20}},
         {{QStringLiteral("1200,00"), 100}, {QStringLiteral("300,50"), 130}, {QStringLiteral("899,50"), 160}},
         {{QStringLiteral("Compte"), 0}, {QStringLiteral("Libellé"), 20}},
         {{QStringLiteral("Débit"), 100},
          {QStringLiteral("Crédit"), 130},
          {QStringLiteral("Solde débit"), 160},
          {QStringLiteral("Solde crédit"), 190}}},
    };
}

TEST(ListingTest, ColumnsAndTitlesStandAtTheirMillimetresAtTwoResolutions)
{
    struct Resolution {
        int dpi, dotsPerMm;
    };
    for (const Resolution res : {Resolution{600, 23}, Resolution{300, 11}}) {
        for (const ColumnCase &c : columnCases()) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(res.dpi) + " dpi");
            RecordingPrinter printer(res.dpi, 203, 290);
            ASSERT_TRUE(c.print(printer));
            const int rowY = down(res.dotsPerMm, 15);
            const int titleY = down(res.dotsPerMm, 7);
            for (const auto &[text, x] : c.left)
                EXPECT_EQ(placeOf(printer, text), QPoint(across(res.dotsPerMm, x), rowY)) << text.toStdString();
            // An amount is written in its row first, then in the totals when the row is the only one.
            for (const auto &[text, x] : c.right) {
                const std::vector<QPoint> places = placesOf(printer, text);
                ASSERT_FALSE(places.empty()) << text.toStdString();
                EXPECT_EQ(places.front(), QPoint(across(res.dotsPerMm, x) - printer.widthOf(text, 8), rowY))
                    << text.toStdString();
            }
            for (const auto &[text, x] : c.titles)
                EXPECT_EQ(placeOf(printer, text), QPoint(across(res.dotsPerMm, x), titleY)) << text.toStdString();
            for (const auto &[text, x] : c.rightTitles)
                EXPECT_EQ(placeOf(printer, text),
                          QPoint(across(res.dotsPerMm, x) - printer.widthOf(text, 8, true), titleY))
                    << text.toStdString();
            // The check-off mark of the entry grids is never printed, nor an empty cell.
            EXPECT_TRUE(placesOf(printer, QStringLiteral("P")).empty());
            EXPECT_TRUE(placesOf(printer, QString()).empty());
        }
    }
}

// Every listing and the income statement with every cell far wider than its
// column: no text of a line runs into the next one, and what was cut says so.
TEST(ListingTest, CellsWiderThanTheirColumnAreCutAtItsEdge)
{
    const QString longText = QStringLiteral("Facture Dupont et fils, livraison du 5 mars, acompte de janvier déduit");
    const QString longAmount = QStringLiteral("123456789012345,50");
    TextGrid entryGrid(32, 8);
    MonthViewPage view(8);
    BalancePage balance;
    PeriodPage statement(32, 4);
    std::vector<QString> entryCells(8, longText);
    entryCells[5] = entryCells[6] = longAmount;
    fill(entryGrid, 0, entryCells);
    fill(view.grid, 1, entryCells);
    for (int c = 0; c < 6; ++c)
        balance.grid.set(1, c, c < 2 ? longText : longAmount);
    for (int c = 0; c < 4; ++c)
        statement.grid.set(1, c, c % 2 == 0 ? longText : longAmount);
    const std::vector<std::pair<const char *, std::function<bool(Printer &)>>> prints{
        {"ImpJnl", [&](Printer &p) { return printing::ImpJnl(p, entryGrid, 1, march, 2002); }},
        {"ImpJournal", [&](Printer &p) { return printing::ImpJournal(p, view, march, 2002); }},
        {"ImpGeneral", [&](Printer &p) { return printing::ImpGeneral(p, view, march, 2002); }},
        {"ImpBalance", [&](Printer &p) { return printing::ImpBalance(p, balance); }},
        {"ImpResultat", [&](Printer &p) { return printing::ImpResultat(p, statement); }},
    };
    for (const auto &[name, print] : prints) {
        SCOPED_TRACE(name);
        RecordingPrinter printer(600, 203, 290);
        ASSERT_TRUE(print(printer));
        int size = 10;
        bool bold = false;
        std::map<int, std::vector<std::pair<int, int>>> lines; // y: the [left, right) of each text
        int cut = 0;
        for (const Call &call : printer.calls) {
            if (call.op == Op::FontSize)
                size = call.a;
            if (call.op == Op::Bold)
                bold = call.a != 0;
            if (call.op != Op::Text || call.b == 115) // the title line spans the page
                continue;
            lines[call.b].emplace_back(call.a, call.a + printer.widthOf(call.text, size, bold));
            cut += call.text.endsWith(QStringLiteral("…")) ? 1 : 0;
        }
        EXPECT_GE(cut, 4);
        for (auto &[y, texts] : lines) {
            std::sort(texts.begin(), texts.end());
            for (std::size_t i = 1; i < texts.size(); ++i)
                EXPECT_LT(texts[i - 1].second, texts[i].first) << "line at " << y;
            EXPECT_LE(texts.back().second, across(23, 190)) << "line at " << y;
        }
    }
}

// The vouchers a small business numbers print whole, not "F202…".
TEST(ListingTest, TenCharacterVouchersPrintWhole)
{
    TextGrid entryGrid(32, 8);
    const QString vouchers[] = {QStringLiteral("F2026-0042"), QStringLiteral("CHQ0001234"), QStringLiteral("VIR2026128")};
    for (int row = 0; row < 3; ++row) {
        std::vector<QString> cells = entry(QStringLiteral("01/03/2002"), QStringLiteral("  1234567,50"));
        cells[4] = vouchers[row];
        fill(entryGrid, row, cells);
    }
    for (const int dpi : {600, 300}) {
        RecordingPrinter printer(dpi, 203, 290);
        ASSERT_TRUE(printing::ImpJnl(printer, entryGrid, 3, march, 2002));
        for (const QString &voucher : vouchers)
            EXPECT_EQ(placesOf(printer, voucher).size(), 1u) << voucher.toStdString() << " at " << dpi;
        EXPECT_EQ(placesOf(printer, QStringLiteral("1234567,50")).size(), 3u) << "the amounts stay whole";
    }
}

TEST(ListingTest, TitlesNameTheMonthTheFilterOrTheDates)
{
    MonthViewPage journal(8), generalLedger(8), general(6);
    generalLedger.filter = QStringLiteral("411000");
    generalLedger.name = QStringLiteral("Clients");
    general.filter = QStringLiteral("Tous");
    BalancePage balance;
    balance.from = QDate(2002, 1, 1);
    balance.to = QDate(2002, 12, 31);
    TextGrid entryGrid(32, 8);
    const QString september = QStringLiteral("Septembre");

    const std::vector<std::pair<std::function<bool(Printer &)>, QString>> cases{
        {[&](Printer &p) { return printing::ImpJnl(p, entryGrid, 0, september, 2001); },
         QStringLiteral("Journal de Septembre 2001")},
        {[&](Printer &p) { return printing::ImpJournal(p, journal, september, 2001); },
         QStringLiteral("Journal de Septembre 2001")},
        {[&](Printer &p) { return printing::ImpGL(p, generalLedger, september, 2001); },
         QStringLiteral("Grand Livre de Septembre 2001  Compte 411000  Clients")},
        {[&](Printer &p) { return printing::ImpGeneral(p, general, september, 2001); },
         QStringLiteral("Journal Général de Septembre 2001  Journal Tous  ")},
        {[&](Printer &p) { return printing::ImpBalance(p, balance); },
         QStringLiteral("Balance du 01/01/2002  au 31/12/2002")},
    };
    for (const auto &[print, title] : cases) {
        RecordingPrinter printer;
        ASSERT_TRUE(print(printer));
        EXPECT_EQ(placeOf(printer, title), QPoint(230, 115)) << title.toStdString();
    }
}

// Rows at 15, 20, 25 ... mm: a page of printable height H holds (H - 15) / 5 + 1
// rows, as long as the last of them is still inside the printable area in dots.
struct CapacityCase {
    int dpi;
    int heightMm;
    int rows;
};

class PageCapacityTest : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(PageCapacityTest, RowsThatFillThePageLeaveTheRuleAndTotalsAloneOnTheNext)
{
    const CapacityCase c = GetParam();
    RecordingPrinter printer(c.dpi, 203, c.heightMm);
    const MonthViewPage generalLedger = viewOfOnes(c.rows);

    ASSERT_TRUE(printing::ImpGL(printer, generalLedger, march, 2002));

    const int dotsPerMm = printer.heightDots / c.heightMm;
    ASSERT_EQ(printer.count(RecordingPrinter::Op::NewPage), 1);
    const std::vector<QPoint> dates = placesOf(printer, QStringLiteral("01/03/2002"));
    ASSERT_EQ(int(dates.size()), c.rows);
    EXPECT_EQ(dates.back().y(), down(dotsPerMm, 15 + 5 * (c.rows - 1)));

    const std::vector<Call> next = pageCalls(printer, 1);
    const int left = across(dotsPerMm, 0);
    const int right = across(dotsPerMm, 190);
    EXPECT_EQ(horizontalRules(next),
              (std::vector<Rule>{{down(dotsPerMm, 12), left, right}, {down(dotsPerMm, 15), left, right}}));
    const QString total = QString::number(c.rows) + QStringLiteral(",00");
    EXPECT_EQ(placeOf(printer, total).y(), down(dotsPerMm, 20));
    EXPECT_EQ(placeOf(printer, QStringLiteral("0,00")).y(), down(dotsPerMm, 20));
    // The next page starts with the header again.
    ASSERT_GE(next.size(), 3u);
    EXPECT_EQ(next[0], (Call{RecordingPrinter::Op::Bold, {}, 1}));
    EXPECT_EQ(next[2].text, QStringLiteral("Grand Livre de Mars 2002  Compte   "));
}

TEST_P(PageCapacityTest, OneRowMoreGoesOnTheNextPageAboveTheRuleAndTotals)
{
    const CapacityCase c = GetParam();
    RecordingPrinter printer(c.dpi, 203, c.heightMm);
    MonthViewPage journal(8);
    for (int row = 1; row <= c.rows + 1; ++row)
        fill(journal.grid, row, entry(row <= c.rows ? QStringLiteral("01/03/2002") : QStringLiteral("31/03/2002"),
                                      QStringLiteral("2,00")));

    ASSERT_TRUE(printing::ImpJournal(printer, journal, march, 2002));

    const int dotsPerMm = printer.heightDots / c.heightMm;
    ASSERT_EQ(printer.count(RecordingPrinter::Op::NewPage), 1);
    EXPECT_EQ(placeOf(printer, QStringLiteral("31/03/2002")), QPoint(across(dotsPerMm, 0), down(dotsPerMm, 15)));
    const std::vector<Rule> rules = horizontalRules(pageCalls(printer, 1));
    ASSERT_EQ(rules.size(), 2u);
    EXPECT_EQ(rules[1].y, down(dotsPerMm, 20));
    const QString total = QString::number(2 * (c.rows + 1)) + QStringLiteral(",00");
    EXPECT_EQ(placeOf(printer, total).y(), down(dotsPerMm, 25));
}

INSTANTIATE_TEST_SUITE_P(
    Heights, PageCapacityTest,
    ::testing::Values(
        // (H - 15) / 5 + 1 rows: the short dots per millimetre keep the last row on paper.
        CapacityCase{600, 289, 55}, CapacityCase{600, 287, 55}, CapacityCase{300, 290, 56}, CapacityCase{300, 200, 38},
        // 290 mm at 1200 dpi (47 dots for 47.2) and 100 mm at 600 dpi: the rows
        // at 285 and 290 mm, or 95 and 100 mm, would stand below the printable area.
        CapacityCase{1200, 290, 54}, CapacityCase{600, 100, 16}));

TEST(ListingTest, NothingIsWrittenBelowThePrintableArea)
{
    struct Device {
        int dpi, heightMm;
    };
    for (const Device device : {Device{300, 100}, Device{600, 100}, Device{600, 290}, Device{1200, 290}, Device{1200, 200},
                                Device{600, 40}}) {
        SCOPED_TRACE(std::to_string(device.dpi) + " dpi, " + std::to_string(device.heightMm) + " mm");
        RecordingPrinter printer(device.dpi, 203, device.heightMm);
        ASSERT_TRUE(printing::ImpJournal(printer, viewOfOnes(120), march, 2002));

        int size = 0;
        for (const Call &call : printer.calls) {
            if (call.op == RecordingPrinter::Op::FontSize)
                size = call.a;
            if (call.op == RecordingPrinter::Op::Text) {
                EXPECT_LE(call.b + printer.heightOf(size), printer.heightDots) << call.text.toStdString();
            }
            if (call.op == RecordingPrinter::Op::LineTo) {
                EXPECT_LE(call.b, printer.heightDots);
            }
        }
        EXPECT_EQ(placesOf(printer, QStringLiteral("01/03/2002")).size(), 120u);
        const int dotsPerMm = printer.heightDots / device.heightMm;
        EXPECT_EQ(placeOf(printer, QStringLiteral("120,00")).x(),
                  across(dotsPerMm, 160) - printer.widthOf(QStringLiteral("120,00"), 8));
    }
}

TEST(ListingTest, RuleAndTotalsFollowTheLastRowWhereTheyFit)
{
    RecordingPrinter printer(600, 203, 289);
    ASSERT_TRUE(printing::ImpJournal(printer, viewOfOnes(3), march, 2002));

    EXPECT_EQ(printer.count(RecordingPrinter::Op::NewPage), 0);
    EXPECT_EQ(horizontalRules(printer.calls).back().y, down(23, 30));
    EXPECT_EQ(placeOf(printer, QStringLiteral("3,00")).y(), down(23, 35));
}

TEST(ListingTest, TotalsThatWouldFallBelowThePrintableAreaGoOnTheNextPage)
{
    // 33 mm at 23 dots a millimetre: rows at 15, 20 and 25 mm end at 770 dots of
    // 780; the totals at 35 mm would stand at 920.
    RecordingPrinter printer(600, 203, 33);
    ASSERT_TRUE(printing::ImpJournal(printer, viewOfOnes(3), march, 2002));

    ASSERT_EQ(printer.count(RecordingPrinter::Op::NewPage), 1);
    EXPECT_EQ(placesOf(printer, QStringLiteral("01/03/2002")).back().y(), down(23, 25));
    EXPECT_EQ(horizontalRules(pageCalls(printer, 1)).back().y, down(23, 15));
    EXPECT_EQ(placeOf(printer, QStringLiteral("3,00")).y(), down(23, 20));
}

TEST(ListingTest, TotalsAddThePrintedCellsOnlyDownToTheFirstBlankRow)
{
    RecordingPrinter printer;
    MonthViewPage journal(8);
    fill(journal.grid, 1, entry(QStringLiteral("01/03/2002"), QStringLiteral("   100,00")));
    fill(journal.grid, 2, entry(QStringLiteral("02/03/2002"), QString(), QStringLiteral("  50,50")));
    fill(journal.grid, 3, entry(QStringLiteral("03/03/2002"), QStringLiteral("   -20,25")));
    fill(journal.grid, 5, entry(QStringLiteral("09/03/2002"), QStringLiteral("1000,00")));

    ASSERT_TRUE(printing::ImpJournal(printer, journal, march, 2002));

    EXPECT_EQ(horizontalRules(printer.calls).back().y, down(23, 30));
    EXPECT_EQ(placeOf(printer, QStringLiteral("79,75")).y(), down(23, 35));
    const std::vector<QPoint> credit = placesOf(printer, QStringLiteral("50,50")); // the cell, then the total
    ASSERT_EQ(credit.size(), 2u);
    EXPECT_EQ(credit[0].y(), down(23, 20));
    EXPECT_EQ(credit[1].y(), down(23, 35));
    EXPECT_TRUE(placesOf(printer, QStringLiteral("09/03/2002")).empty());
    EXPECT_TRUE(placesOf(printer, QStringLiteral("1000,00")).empty());
    EXPECT_TRUE(placesOf(printer, QStringLiteral("1079,75")).empty());
}

TEST(ListingTest, ARowWithoutDateOrWithAShortAccountIsPrintedAndSummed)
{
    RecordingPrinter printer;
    MonthViewPage journal(8);
    fill(journal.grid, 1, entry(QString(), QStringLiteral("10,00")));
    fill(journal.grid, 2, entry(QStringLiteral("02/03/2002"), QStringLiteral("5,00")));
    BalancePage balance;
    fill(balance.grid, 1, {QStringLiteral("411"), QString(), QStringLiteral(" 12,00"), QString(), QStringLiteral("12,00"), {}});
    fill(balance.grid, 2,
         {QStringLiteral("401000"), QStringLiteral("Fournisseurs"), QString(), QStringLiteral("  ,50"), QString(),
          QStringLiteral("0,50")});

    ASSERT_TRUE(printing::ImpJournal(printer, journal, march, 2002));
    EXPECT_EQ(placeOf(printer, QStringLiteral("02/03/2002")).y(), down(23, 20));
    EXPECT_EQ(placesOf(printer, QStringLiteral("15,00")).size(), 1u);

    RecordingPrinter balancePrinter;
    ASSERT_TRUE(printing::ImpBalance(balancePrinter, balance));
    EXPECT_EQ(placeOf(balancePrinter, QStringLiteral("401000")).y(), down(23, 20));
    // Debit, credit, debit balances and credit balances, under the rule at 25.
    EXPECT_EQ(placesOf(balancePrinter, QStringLiteral("12,00")).size(), 4u);
    EXPECT_EQ(placesOf(balancePrinter, QStringLiteral("0,50")).size(), 3u);
    EXPECT_EQ(horizontalRules(balancePrinter.calls).back().y, down(23, 25));
}

TEST(ListingTest, ClassSubtotalsArePrintedButNotAddedToTheTotals)
{
    BalancePage balance;
    fill(balance.grid, 1, {QStringLiteral("411000"), QStringLiteral("Clients"), QStringLiteral("7,00"), {}, QStringLiteral("7,00"), {}});
    fill(balance.grid, 2, {{}, QStringLiteral("Total classe 4"), QStringLiteral("7,00"), QStringLiteral("0,00"),
                           QStringLiteral("7,00"), QStringLiteral("0,00")});
    balance.subtotalRows = {2};
    RecordingPrinter printer;
    ASSERT_TRUE(printing::ImpBalance(printer, balance));
    EXPECT_EQ(placeOf(printer, QStringLiteral("Total classe 4")).y(), down(23, 20));
    // The account's two figures, the subtotal's two, and two totals that count the account once.
    EXPECT_EQ(placesOf(printer, QStringLiteral("7,00")).size(), 6u);
    EXPECT_EQ(placesOf(printer, QStringLiteral("14,00")).size(), 0u);
}

TEST(ListingTest, AnAmountThatIsNoNumberIsPrintedAsItStandsAndNotAdded)
{
    RecordingPrinter printer;
    MonthViewPage generalLedger(8);
    fill(generalLedger.grid, 1, entry(QStringLiteral("01/03/2002"), QStringLiteral("  12,3x  ")));
    fill(generalLedger.grid, 2, entry(QStringLiteral("02/03/2002"), QStringLiteral("1.500,00")));
    fill(generalLedger.grid, 3, entry(QStringLiteral("03/03/2002"), QStringLiteral("7,25")));

    ASSERT_TRUE(printing::ImpGL(printer, generalLedger, march, 2002));

    EXPECT_EQ(placeOf(printer, QStringLiteral("12,3x")).y(), down(23, 15));
    EXPECT_EQ(placeOf(printer, QStringLiteral("1.500,00")).y(), down(23, 20));
    // The debit total is that of the one number: 7,25 in its row, then under the rule.
    const QPoint total(3910 - printer.widthOf(QStringLiteral("7,25"), 8), down(23, 35));
    EXPECT_EQ(placesOf(printer, QStringLiteral("7,25")), (std::vector<QPoint>{{total.x(), down(23, 25)}, total}));
    EXPECT_EQ(printer.calls.back().op, RecordingPrinter::Op::End);
}

TEST(ListingTest, TotalsReadTheDecimalCommaWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    RecordingPrinter printer;
    TextGrid entryGrid(32, 8);
    fill(entryGrid, 0, entry(QStringLiteral("01/03/2002"), QStringLiteral("1234,50")));
    fill(entryGrid, 1, entry(QStringLiteral("02/03/2002"), QStringLiteral("0,75")));

    const bool printed = printing::ImpJnl(printer, entryGrid, 2, march, 2002);
    QLocale::setDefault(before);

    ASSERT_TRUE(printed);
    EXPECT_EQ(placeOf(printer, QStringLiteral("1235,25")).y(), down(23, 30));
}

TEST(ListingTest, TheEntryGridPrintsItsCountedRowsOnly)
{
    RecordingPrinter printer;
    TextGrid entryGrid(32, 8);
    fill(entryGrid, 0, entry(QStringLiteral("01/03/2002"), QStringLiteral("1,00")));
    fill(entryGrid, 1, entry(QStringLiteral("02/03/2002"), QStringLiteral("2,00")));
    fill(entryGrid, 2, entry(QStringLiteral("03/03/2002"), QStringLiteral("4,00")));

    ASSERT_TRUE(printing::ImpJnl(printer, entryGrid, 2, march, 2002));
    EXPECT_EQ(placeOf(printer, QStringLiteral("01/03/2002")).y(), down(23, 15));
    EXPECT_TRUE(placesOf(printer, QStringLiteral("03/03/2002")).empty());
    EXPECT_EQ(placesOf(printer, QStringLiteral("3,00")).size(), 1u);

    // A count beyond the grid stops at its last row.
    RecordingPrinter beyond;
    ASSERT_TRUE(printing::ImpJnl(beyond, entryGrid, 1000, march, 2002));
    EXPECT_EQ(placesOf(beyond, QStringLiteral("7,00")).size(), 1u);
}

TEST(ListingTest, ARefusedJobDrawsNothingAndIsNotEnded)
{
    RecordingPrinter printer;
    printer.refuseBegin = true;
    MonthViewPage journal(8);
    fill(journal.grid, 1, entry(QStringLiteral("01/03/2002"), QStringLiteral("1,00")));

    EXPECT_FALSE(printing::ImpJournal(printer, journal, march, 2002));
    EXPECT_EQ(printer.count(RecordingPrinter::Op::Text), 0);
    EXPECT_EQ(printer.count(RecordingPrinter::Op::End), 0);

    RecordingPrinter noArea(600, 0, 0);
    EXPECT_FALSE(printing::ImpJournal(noArea, journal, march, 2002));
    EXPECT_EQ(noArea.count(RecordingPrinter::Op::Begin), 0);
}

TEST(ListingTest, AJobInterruptedHalfWayIsStillEnded)
{
    RecordingPrinter printer;
    printer.onText = [](const QString &text) {
        if (text == QStringLiteral("Facture"))
            throw std::runtime_error("device gone");
    };
    MonthViewPage journal(8);
    fill(journal.grid, 1, entry(QStringLiteral("01/03/2002"), QStringLiteral("1,00")));

    EXPECT_THROW(printing::ImpJournal(printer, journal, march, 2002), std::runtime_error);
    EXPECT_EQ(printer.calls.back().op, RecordingPrinter::Op::End);
}

} // namespace
