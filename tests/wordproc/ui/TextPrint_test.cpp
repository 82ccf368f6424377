#include "WidgetTests.h"
#include "support/FakePlatform.h"
#include "support/PdfText.h"
#include "support/TempDir.h"
#include "wordproc/RtfWriter.h"
#include "wordproc/ui/TTexte.h"

#include "platform/ui/QtPrinter.h"

#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

// A letter printed as the print dialog's "print to file" makes it: a PDF,
// read back by poppler for its words, their places and its pages.
class TextPrintTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

    // A letter: a title, an indented paragraph, then enough lines for a
    // second page.
    static rtf::Document letter()
    {
        rtf::CharFormat plain;
        rtf::CharFormat title = plain;
        title.bold = true;
        title.halfPoints = 28;
        rtf::Document d;
        rtf::Paragraph head;
        rtf::append(head, QStringLiteral("Relance"), title);
        head.mark = title;
        d.paragraphs.append(head);
        rtf::Paragraph indented;
        indented.format.leftIndent = 1440; // one inch
        rtf::append(indented, QStringLiteral("Retrait"), plain);
        indented.mark = plain;
        d.paragraphs.append(indented);
        for (int i = 1; i <= 120; ++i) {
            rtf::Paragraph line;
            rtf::append(line, QStringLiteral("Ligne%1").arg(i), plain);
            line.mark = plain;
            d.paragraphs.append(line);
        }
        return d;
    }

private slots:
    void letterFillsThePrintableAreaPageAfterPage()
    {
        const QString letterPath = dir.filePath(QStringLiteral("lettre.rtf"));
        writeBytes(letterPath, rtf::write(letter()));
        const QString pdfPath = dir.filePath(QStringLiteral("lettre.pdf"));
        QPrinter device(QPrinter::HighResolution);
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(pdfPath);
        device.setPageSize(QPageSize(QPageSize::A4));
        QtPrinter printer(device);

        FakePlatform fake;
        fake.platform.printer = &printer;
        TTexte window(fake.platform, {});
        fake.fileDialogs.openAnswers = {letterPath};
        QTest::mouseClick(window.openButton, Qt::LeftButton);
        fake.printerDialogs.printAnswer = true;
        QTest::mouseClick(window.printButton, Qt::LeftButton);
        QCOMPARE(fake.printerDialogs.printCalls, 1);
        QVERIFY(fake.messages.boxes.empty());

        const PdfText pdf = readPdfText(pdfPath);
        QVERIFY2(pdf.read, "pdftotext reads the file");
        QVERIFY2(pdf.pages.size() >= 2, "120 lines take more than a page");
        const QRectF area = device.pageRect(QPrinter::Millimeter);
        const PdfWord *title = pdf.find(0, QStringLiteral("Relance"));
        QVERIFY(title);
        QVERIFY2(qAbs(pointsToMm(title->xMin) - area.left()) < 1.5, "the text starts at the printable area's left");
        QVERIFY2(qAbs(pointsToMm(title->yMin) - area.top()) < 3, "and at its top");
        const PdfWord *indented = pdf.find(0, QStringLiteral("Retrait"));
        QVERIFY(indented);
        QVERIFY2(qAbs(pointsToMm(indented->xMin - title->xMin) - 25.4) < 1, "an inch of indent is an inch on paper");
        const PdfWord *line = pdf.find(0, QStringLiteral("Ligne1"));
        QVERIFY(line);
        // Ten points of Times: about 3.5 mm a line, more than 50 lines a page.
        QVERIFY(pdf.find(0, QStringLiteral("Ligne50")));
        QVERIFY(!pdf.find(0, QStringLiteral("Ligne120")));
        const PdfWord *last = pdf.find(int(pdf.pages.size()) - 1, QStringLiteral("Ligne120"));
        QVERIFY(last);
        QVERIFY(pointsToMm(last->yMax) <= area.bottom() + 0.5);
        int lines = 0;
        for (const auto &page : pdf.pages)
            for (const PdfWord &word : page)
                lines += word.text.startsWith(QStringLiteral("Ligne"));
        QCOMPARE(lines, 120); // none lost or twice at a page break
    }
};

TAVELIN_WIDGET_TEST(TextPrintTest)
#include "TextPrint_test.moc"
