#include "WidgetTests.h"
#include "support/PdfText.h"

#include "ledger/TextGrid.h"
#include "platform/ui/QtPrinter.h"
#include "printing/StatementPrint.h"
#include "printing/Listings.h"
#include "reports/BalanceSheet.h"
#include "LedgerText.h"
#include "reports/ViewPages.h"
#include <QTemporaryDir>

#include <QFontDatabase>
#include <QPageSize>
#include <QPrinter>
#include <QTest>
#include <memory>

namespace {

// Where a millimetre position of the print runs lands on the sheet, in
// millimetres from the paper's corner: the printable area's offset, then the
// margins of 10 mm left and 5 mm top in whole dots per millimetre.
struct SheetPlace {
    explicit SheetPlace(QPrinter &printer)
        : dpi(printer.resolution()), across(printer.width() / printer.widthMM()), down(printer.height() / printer.heightMM()),
          area(printer.pageRect(QPrinter::DevicePixel))
    {
    }
    double x(int mm) const { return (area.left() + across * (mm + 10)) * 25.4 / dpi; }
    double y(int mm) const { return (area.top() + down * (mm + 5)) * 25.4 / dpi; }
    int dpi;
    int across;
    int down;
    QRectF area;
};

std::unique_ptr<QPrinter> pdfPrinter(const QString &file, int dpi)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(file);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setResolution(dpi);
    return printer;
}

constexpr double halfMm = 0.5;

} // namespace

class PdfOutputTest : public QObject {
    Q_OBJECT

    enum class Edge { Left, Right };

    // Checks that a word stands with its left (or right) edge and its top at
    // the millimetre position of the print run.
    static void expectAt(const PdfText &pdf, int page, const QString &text, const SheetPlace &sheet, int x, int y,
                         Edge edge = Edge::Left)
    {
        const PdfWord *word = pdf.find(page, text);
        QVERIFY2(word, qPrintable(text));
        const double wordX = pointsToMm(edge == Edge::Left ? word->xMin : word->xMax);
        QVERIFY2(qAbs(wordX - sheet.x(x)) <= halfMm,
                 qPrintable(QStringLiteral("%1: x %2 mm, expected %3").arg(text).arg(wordX).arg(sheet.x(x))));
        QVERIFY2(qAbs(pointsToMm(word->yMin) - sheet.y(y)) <= halfMm,
                 qPrintable(QStringLiteral("%1: y %2 mm, expected %3").arg(text).arg(pointsToMm(word->yMin)).arg(sheet.y(y))));
    }

    // A general ledger of 60 rows: more than an A4 page holds.
    static MonthViewPage ledgerView()
    {
        MonthViewPage generalLedger(8);
        generalLedger.filter = QStringLiteral("411000");
        generalLedger.name = QStringLiteral("Clients");
        for (int row = 1; row <= ledgerRows; ++row) {
            generalLedger.grid.growFor(row);
            generalLedger.grid.set(row, 0, QStringLiteral("05/03/2002"));
            generalLedger.grid.set(row, 1, QStringLiteral("411000"));
            generalLedger.grid.set(row, 2, QStringLiteral("Ligne%1").arg(row));
            generalLedger.grid.set(row, 3, QStringLiteral("VE"));
            generalLedger.grid.set(row, 4, QStringLiteral("F%1").arg(row));
            generalLedger.grid.set(row, 5, QStringLiteral("  %1,00").arg(row));
        }
        return generalLedger;
    }

    static int rowsOn(const PdfText &pdf, int page)
    {
        int rows = 0;
        for (const PdfWord &word : pdf.pages[page])
            rows += word.text.startsWith(QStringLiteral("Ligne")) ? 1 : 0;
        return rows;
    }

    static constexpr int ledgerRows = 60;

private slots:
    void listingLandsWhereItsMillimetresSay_data()
    {
        QTest::addColumn<int>("dpi");
        QTest::newRow("1200 dpi") << 1200;
        QTest::newRow("300 dpi") << 300;
    }

    void listingLandsWhereItsMillimetresSay()
    {
        QFETCH(int, dpi);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("grand-livre.pdf"));
        const auto printer = pdfPrinter(file, dpi);
        const MonthViewPage generalLedger = ledgerView();
        const SheetPlace sheet(*printer);
        QtPrinter device(*printer);
        QVERIFY(printing::ImpGL(device, generalLedger, QStringLiteral("Mars"), 2002));

        const PdfText pdf = readPdfText(file);
        QVERIFY2(pdf.read, "pdftotext (poppler-utils) reads the file");
        QCOMPARE(int(pdf.pages.size()), 2);
        expectAt(pdf, 0, QStringLiteral("Grand"), sheet, 0, 0);
        expectAt(pdf, 0, QStringLiteral("Date"), sheet, 0, 7);
        expectAt(pdf, 0, QStringLiteral("Pièce"), sheet, 124, 7);
        expectAt(pdf, 0, QStringLiteral("Crédit"), sheet, 190, 7, Edge::Right);
        expectAt(pdf, 0, QStringLiteral("Ligne1"), sheet, 40, 15);
        expectAt(pdf, 0, QStringLiteral("F1"), sheet, 124, 15);
        expectAt(pdf, 0, QStringLiteral("1,00"), sheet, 160, 15, Edge::Right);
        // A full page, down to the bottom of the printable area and not beyond.
        const int perPage = rowsOn(pdf, 0);
        QVERIFY(perPage >= 50);
        expectAt(pdf, 0, QStringLiteral("Ligne%1").arg(perPage), sheet, 40, 15 + 5 * (perPage - 1));
        const double bottom = (sheet.area.bottom() + 1) * 72.0 / dpi;
        for (const PdfWord &word : pdf.pages[0])
            QVERIFY2(word.yMax <= bottom, qPrintable(word.text));
        // Page 2: the header again, the rows left, the rule and the totals.
        expectAt(pdf, 1, QStringLiteral("Grand"), sheet, 0, 0);
        expectAt(pdf, 1, QStringLiteral("Ligne%1").arg(perPage + 1), sheet, 40, 15);
        const int left = ledgerRows - perPage;
        QCOMPARE(rowsOn(pdf, 1), left);
        const QString total = QStringLiteral("%1,00").arg(ledgerRows * (ledgerRows + 1) / 2);
        expectAt(pdf, 1, total, sheet, 160, 15 + 5 * left + 5, Edge::Right);
        expectAt(pdf, 1, QStringLiteral("0,00"), sheet, 190, 15 + 5 * left + 5, Edge::Right);
    }

    void statementLandsInItsFrameOnOnePage()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("resultat.pdf"));
        const auto printer = pdfPrinter(file, 600);
        PeriodPage incomeStatement(32, 4);
        incomeStatement.from = QDate(2002, 1, 1);
        incomeStatement.to = QDate(2002, 12, 31);
        incomeStatement.grid.set(1, 0, QStringLiteral("Achats"));
        incomeStatement.grid.set(1, 1, QStringLiteral("   1000,00"));
        incomeStatement.grid.set(1, 2, QStringLiteral("Ventes"));
        incomeStatement.grid.set(1, 3, QStringLiteral("   1500,00"));
        incomeStatement.grid.set(16, 0, QStringLiteral("TOTAL GENERAL"));
        incomeStatement.grid.set(16, 1, QStringLiteral("   1500,00"));
        const SheetPlace sheet(*printer);
        QtPrinter device(*printer);
        QVERIFY(printing::ImpResultat(device, incomeStatement));

        const PdfText pdf = readPdfText(file);
        QVERIFY2(pdf.read, "pdftotext (poppler-utils) reads the file");
        QCOMPARE(int(pdf.pages.size()), 1);
        expectAt(pdf, 0, QStringLiteral("Résultat"), sheet, 22, 22);
        expectAt(pdf, 0, QStringLiteral("31/12/2002"), sheet, 92, 22);
        expectAt(pdf, 0, QStringLiteral("CHARGES"), sheet, 22, 42);
        expectAt(pdf, 0, QStringLiteral("PASSIF"), sheet, 167, 42);
        expectAt(pdf, 0, QStringLiteral("Achats"), sheet, 22, 55);
        expectAt(pdf, 0, QStringLiteral("1000,00"), sheet, 103, 55, Edge::Right);
        expectAt(pdf, 0, QStringLiteral("Ventes"), sheet, 107, 55);
        expectAt(pdf, 0, QStringLiteral("TOTAL"), sheet, 22, 130);
    }

    // With TAVELIN_SCREENSHOTS naming a folder, the sheet is also saved there.
    void balanceSheetCaptionsStayInTheirColumns()
    {
        QTemporaryDir dir;
        const QString folder = qEnvironmentVariable("TAVELIN_SCREENSHOTS", dir.path());
        const QString file = QDir(folder).filePath(QStringLiteral("bilan.pdf"));
        const auto printer = pdfPrinter(file, 600);
        ViewPages views;
        BalanceSheetPage &balanceSheet = views.balanceSheet;
        balanceSheet.to = QDate(2002, 12, 31);
        reports::LitBilan(balanceSheet, linesOf(kHeader2002 + entriesText("200206", {{"01/06/2002", "512000", "", "BQ", "", "1500,00", "", ""},
                                                                             {"01/06/2002", "151000", "", "OD", "", "", "500,00", ""},
                                                                             {"01/06/2002", "801000", "", "OD", "", "", "900,00", ""}})),
                          {QDate(2002, 1, 1), balanceSheet.to, QDate(2002, 1, 1)});
        const SheetPlace sheet(*printer);
        QtPrinter device(*printer);
        QVERIFY(printing::printBalanceSheet(device, balanceSheet));

        const PdfText pdf = readPdfText(file);
        QVERIFY2(pdf.read, "pdftotext (poppler-utils) reads the file");
        QCOMPARE(int(pdf.pages.size()), 1);
        expectAt(pdf, 0, QStringLiteral("Bilan"), sheet, 22, 22);
        expectAt(pdf, 0, QStringLiteral("ACTIF"), sheet, 22, 42);
        expectAt(pdf, 0, QStringLiteral("Disponibilités"), sheet, 22, 110);
        expectAt(pdf, 0, QStringLiteral("1500,00"), sheet, 77, 110, Edge::Right);  // gross
        expectAt(pdf, 0, QStringLiteral("1000,00"), sheet, 113, 155, Edge::Right); // the gap, under the net assets
        // The longest caption ends before the amounts' column.
        const PdfWord *longest = pdf.find(0, QStringLiteral("(II)"));
        QVERIFY(longest);
        QVERIFY(pointsToMm(longest->xMax) < sheet.x(173));
        QVERIFY(pdf.find(0, QStringLiteral("801000")));
    }

    void aPageRangeFromThePrintDialogPrintsThosePagesOnce()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("page2.pdf"));
        const auto printer = pdfPrinter(file, 300);
        const MonthViewPage generalLedger = ledgerView();
        printer->setPrintRange(QPrinter::PageRange);
        printer->setFromTo(2, 2);
        QtPrinter device(*printer);
        QVERIFY(printing::ImpGL(device, generalLedger, QStringLiteral("Mars"), 2002));

        const PdfText pdf = readPdfText(file);
        QVERIFY(pdf.read);
        QCOMPARE(int(pdf.pages.size()), 1);
        QVERIFY(pdf.find(0, QStringLiteral("Ligne%1").arg(ledgerRows)));
        QVERIFY(!pdf.find(0, QStringLiteral("Ligne1")));
        // The next job, an envelope for instance, prints whole again.
        QCOMPARE(printer->printRange(), QPrinter::AllPages);
    }

    void arialIsPrintedWithTheFontThatStandsInForIt()
    {
        QTemporaryDir dir;
        const auto printer = pdfPrinter(dir.filePath(QStringLiteral("police.pdf")), 600);
        QtPrinter device(*printer);
        device.setFontName(QStringLiteral("Arial"));
        device.setFontSize(10);
        const QString expected = QFontDatabase::families().contains(QStringLiteral("Arial")) ? QStringLiteral("Arial")
                                                                                            : QStringLiteral("Liberation Sans");
        QCOMPARE(device.familyUsed(), expected);
        // 10 points at 600 dpi: "Débit" is wider than bare digits, and bold is wider still.
        const int regular = device.textWidth(QStringLiteral("Débit"));
        device.setBold(true);
        QVERIFY(device.textWidth(QStringLiteral("Débit")) > regular);
        QVERIFY(regular > 100 && regular < 300);
    }

    void aLongLabelStaysInsideItsColumnOnPaper()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("journal.pdf"));
        const auto printer = pdfPrinter(file, 600);
        const SheetPlace sheet(*printer);
        MonthViewPage journal(8);
        journal.grid.growFor(1);
        const QStringList row{QStringLiteral("05/03/2002"), QStringLiteral("411000"),
                              QStringLiteral("Facture Dupont et fils pour la livraison du cinq mars et les frais de port"),
                              QStringLiteral("VE"), QStringLiteral("F12"), QStringLiteral("1234,50")};
        for (int c = 0; c < row.size(); ++c)
            journal.grid.set(1, c, row[c]);
        QtPrinter device(*printer);
        QVERIFY(printing::ImpJournal(device, journal, QStringLiteral("Mars"), 2002));

        const PdfText pdf = readPdfText(file);
        QVERIFY2(pdf.read, "pdftotext (poppler-utils) reads the file");
        const PdfWord *first = pdf.find(0, QStringLiteral("Facture"));
        QVERIFY(first);
        QString label;
        for (const PdfWord &word : pdf.pages[0]) {
            if (qAbs(word.yMin - first->yMin) > 1 || word.xMin < first->xMin || pointsToMm(word.xMin) >= sheet.x(110))
                continue;
            label += word.text + u' ';
            QVERIFY2(pointsToMm(word.xMax) <= sheet.x(110) - 1 + halfMm, qPrintable(word.text));
        }
        QVERIFY2(label.trimmed().endsWith(QStringLiteral("…")), qPrintable(label));
        // The columns it used to run over are whole and in their places.
        expectAt(pdf, 0, QStringLiteral("VE"), sheet, 110, 15);
        expectAt(pdf, 0, QStringLiteral("F12"), sheet, 124, 15);
        expectAt(pdf, 0, QStringLiteral("1234,50"), sheet, 160, 15, Edge::Right);
    }

    void aFileThatCannotBeWrittenRefusesTheJob()
    {
        QTemporaryDir dir;
        const auto printer = pdfPrinter(dir.filePath(QStringLiteral("absent/sous/dossier.pdf")), 300);
        QtPrinter device(*printer);
        QVERIFY(!device.beginDocument());
        device.endDocument();
        QVERIFY(!printing::ImpResultat(device, PeriodPage(32, 4)));
    }
};

TAVELIN_WIDGET_TEST(PdfOutputTest)
#include "PdfOutput_test.moc"
