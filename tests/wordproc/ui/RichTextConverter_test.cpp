#include "WidgetTests.h"
#include "wordproc/ui/RichTextConverter.h"

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

// The letter model through Qt's text document and back.
class RichTextConverterTest : public QObject {
    Q_OBJECT

    static rtf::CharFormat format(const char *family, int halfPoints, bool bold = false, bool italic = false,
                                  bool underline = false, std::optional<quint32> colour = std::nullopt)
    {
        return rtf::CharFormat{QString::fromUtf8(family), halfPoints, bold, italic, underline, colour};
    }

    static rtf::Paragraph paragraph(rtf::ParagraphFormat f, QList<rtf::Run> runs, rtf::CharFormat mark)
    {
        rtf::Paragraph p;
        p.format = std::move(f);
        p.runs = std::move(runs);
        p.mark = std::move(mark);
        return p;
    }

private slots:
    void everyFormatSurvivesTheTextDocument()
    {
        const rtf::CharFormat times = format("Times New Roman", 20);
        rtf::ParagraphFormat centred;
        centred.alignment = rtf::Alignment::Centre;
        rtf::ParagraphFormat justified;
        justified.alignment = rtf::Alignment::Justify;
        justified.leftIndent = 567;
        justified.firstIndent = -283;
        justified.rightIndent = 1440;
        rtf::ParagraphFormat bullet;
        bullet.bullet = true;
        bullet.leftIndent = 360;
        rtf::ParagraphFormat tabbed;
        tabbed.alignment = rtf::Alignment::Right;
        tabbed.tabs = {{720, rtf::TabKind::Left}, {2880, rtf::TabKind::Centre}, {5760, rtf::TabKind::Right},
                       {7200, rtf::TabKind::Decimal}};

        rtf::Document letter;
        letter.defaultTabWidth = 567;
        letter.paragraphs = {
            paragraph(centred, {rtf::Run{"SARL Tavelin", format("DejaVu Sans", 32, true)}}, format("DejaVu Sans", 32, true)),
            paragraph({}, {}, format("Courier New", 17, false, true)),
            paragraph(justified,
                      {rtf::Run{"Gras ", format("Times New Roman", 20, true)},
                       rtf::Run{"italique ", format("Times New Roman", 20, false, true)},
                       rtf::Run{"souligné ", format("Times New Roman", 20, false, false, true)},
                       rtf::Run{"rouge", format("Times New Roman", 20, false, false, false, 0xFF0000)},
                       rtf::Run{QStringLiteral(" € ሴ \U0001F600\u2028à la ligne\u00A0fin"), times}},
                      times),
            paragraph(bullet, {rtf::Run{"un", times}}, times),
            paragraph(bullet, {rtf::Run{"deux", times}}, times),
            paragraph({}, {rtf::Run{"entre", times}}, times),
            paragraph(bullet, {rtf::Run{"trois", times}}, times),
            paragraph(tabbed, {rtf::Run{"a\tb\tc\td", times}}, times),
        };
        QTextDocument document;
        richtext::toDocument(letter, document);
        QCOMPARE(document.blockCount(), 8);
        QVERIFY(document.findBlockByNumber(3).textList());
        QCOMPARE(document.findBlockByNumber(3).textList(), document.findBlockByNumber(4).textList());
        QVERIFY(!document.findBlockByNumber(5).textList());
        QVERIFY(document.findBlockByNumber(6).textList() != document.findBlockByNumber(3).textList());
        QVERIFY(!document.isUndoAvailable());
        QVERIFY(richtext::fromDocument(document) == letter);
    }

    void unsetPropertiesComeFromTheDefaultFont()
    {
        QTextDocument document;
        QFont defaultFont(QStringLiteral("DejaVu Serif"), 13);
        defaultFont.setBold(true);
        defaultFont.setUnderline(true);
        document.setDefaultFont(defaultFont);
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("tapé"));
        QTextCharFormat italic;
        italic.setFontItalic(true);
        cursor.insertText(QStringLiteral(" penché"), italic);

        const rtf::Document model = richtext::fromDocument(document);
        QCOMPARE(model.paragraphs.size(), 1);
        const QList<rtf::Run> &runs = model.paragraphs.front().runs;
        QCOMPARE(runs.size(), 2);
        QVERIFY(runs[0].format == format("DejaVu Serif", 26, true, false, true));
        QVERIFY(runs[1].format == format("DejaVu Serif", 26, true, true, true));
        QVERIFY(model.paragraphs.front().mark == format("DejaVu Serif", 26, true, false, true));
    }

    void picturesPastedInAreLeftOut()
    {
        QTextDocument document;
        QTextCursor cursor(&document);
        cursor.insertText(QStringLiteral("avant "));
        QTextImageFormat image;
        image.setName(QStringLiteral("image.png"));
        cursor.insertImage(image);
        cursor.insertText(QStringLiteral(" après"));
        QCOMPARE(richtext::fromDocument(document).plainText(), QStringLiteral("avant  après"));
    }

    void anEmptyModelLeavesOneEmptyParagraph()
    {
        QTextDocument document;
        document.setPlainText(QStringLiteral("ancien texte"));
        richtext::toDocument(rtf::Document{}, document);
        QCOMPARE(document.blockCount(), 1);
        QVERIFY(document.isEmpty());
    }
};

TAVELIN_WIDGET_TEST(RichTextConverterTest)
#include "RichTextConverter_test.moc"
