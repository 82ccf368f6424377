#include "RtfPrinting.h"
#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"

#include <gtest/gtest.h>

namespace {

using namespace rtf;

CharFormat format(const char *family, int halfPoints, bool bold = false, bool italic = false, bool underline = false,
                  std::optional<quint32> colour = std::nullopt)
{
    return CharFormat{QString::fromUtf8(family), halfPoints, bold, italic, underline, colour};
}

Paragraph paragraph(ParagraphFormat f, QList<rtf::Run> runs, CharFormat mark = CharFormat{})
{
    Paragraph p;
    p.format = std::move(f);
    p.runs = std::move(runs);
    p.mark = std::move(mark);
    return p;
}

Document oneParagraph(const QString &text, const CharFormat &f = CharFormat{})
{
    Document d;
    d.paragraphs.append(paragraph({}, {rtf::Run{text, f}}, f));
    return d;
}

// The body of the only paragraph, between its run's properties and its end.
std::string runText(const std::string &rtf)
{
    const std::size_t start = rtf.find("{\\f0\\fs20 ") + 10;
    return rtf.substr(start, rtf.find("}{\\f0\\fs20\\par}") - start);
}

TEST(RtfWriter, EscapesWhatRtfReservesAndWhatCodePage1252Lacks)
{
    const struct {
        QString text;
        std::string written;
    } cases[] = {
        {QStringLiteral("a\\b{c}"), "a\\\\b\\{c\\}"},
        {QStringLiteral("été 2002 : 10 €"), "\\'e9t\\'e9 2002 : 10 \\'80"},
        {QStringLiteral("ሴ"), "\\u4660?"},
        {QStringLiteral("\U0001F600"), "\\u-10179?\\u-8704?"},
        {QStringLiteral("a\tb\u2028c"), "a\\tab b\\line c"},
        {QStringLiteral("1\u00A0000\u00ADx\u2011y"), "1\\~000\\-x\\_y"},
        {QStringLiteral("bip\x07"), "bip"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(runText(write(oneParagraph(c.text))), c.written) << c.text.toStdString();
}

TEST(RtfWriter, HeaderDeclaresCodePageFontsAndColours)
{
    Document d;
    d.paragraphs.append(paragraph({}, {rtf::Run{"a", format("Arial", 20, false, false, false, 0x112233)},
                                       rtf::Run{"b", format("Courier New", 24, false, false, false, 0xFF0000)}},
                                  format("Arial", 20)));
    ParagraphFormat bullet;
    bullet.bullet = true;
    d.paragraphs.append(paragraph(bullet, {rtf::Run{"c", format("Arial", 20, false, false, false, 0x112233)}},
                                  format("Arial", 20)));
    const std::string rtf = write(d);
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deftab720\\uc1\r\n", 0), 0u) << rtf;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}{\\f1\\fnil\\fcharset0 Courier New;}"
                       "{\\f2\\fnil\\fcharset2 Symbol;}}"),
              std::string::npos)
        << rtf;
    EXPECT_NE(rtf.find("{\\colortbl ;\\red17\\green34\\blue51;\\red255\\green0\\blue0;}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\f1\\fs24\\cf2 b}"), std::string::npos) << rtf;
    EXPECT_NE(rtf.find("{\\*\\pn\\pnlvlblt\\pnf2\\pnindent0{\\pntxtb\\'b7}}{\\pntext\\f2\\'b7\\tab}"), std::string::npos)
        << rtf;
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
}

// Every format the word processor can give survives a write and a read.
TEST(RtfWriter, RoundTripKeepsEveryFormat)
{
    const CharFormat times = format("Times New Roman", 20);
    ParagraphFormat centred;
    centred.alignment = Alignment::Centre;
    ParagraphFormat right;
    right.alignment = Alignment::Right;
    right.rightIndent = 1440;
    ParagraphFormat justified;
    justified.alignment = Alignment::Justify;
    justified.leftIndent = 567;
    justified.firstIndent = 283;
    ParagraphFormat hanging;
    hanging.bullet = true;
    hanging.leftIndent = 720;
    hanging.firstIndent = -360;
    ParagraphFormat tabbed;
    tabbed.tabs = {{1000, TabKind::Left}, {3000, TabKind::Centre}, {6000, TabKind::Right}, {8000, TabKind::Decimal}};

    Document letter;
    letter.defaultTabWidth = 567;
    letter.paragraphs = {
        paragraph(centred, {rtf::Run{"SARL Tavelin", format("Arial", 32, true)}}, format("Arial", 32, true)),
        paragraph({}, {}, format("Arial", 8)),
        paragraph(right, {rtf::Run{"Lyon, le 15 mars 2002", times}}, times),
        paragraph(justified,
                  {rtf::Run{"Gras ", format("Times New Roman", 20, true)},
                   rtf::Run{"italique ", format("Times New Roman", 20, false, true)},
                   rtf::Run{"souligné ", format("Times New Roman", 20, false, false, true)},
                   rtf::Run{"tout", format("Times New Roman", 20, true, true, true, 0x00FF00)},
                   rtf::Run{" rouge", format("Courier New", 23, false, false, false, 0xFF0000)},
                   rtf::Run{" noir", format("Courier New", 23, false, false, false, 0x000000)}},
                  format("Courier New", 23)),
        paragraph(hanging, {rtf::Run{"premier point", times}}, times),
        paragraph(hanging, {rtf::Run{"second point", times}}, format("Times New Roman", 20, false, true)),
        paragraph(tabbed, {rtf::Run{"a\tb\tc\td", times}}, times),
        paragraph({}, {rtf::Run{QStringLiteral("{accolades} \\ € ሴ \U0001F600\u2028ligne\u00A0x\u00AD\u2011"), times}},
                  times),
        paragraph({}, {rtf::Run{"Symbol", format("Symbol", 20)}}, format("Symbol", 20)),
        paragraph({}, {}, format("Times New Roman", 144, true, true, true, 0x0000FF)),
    };
    const std::string rtf = write(letter);
    const Document back = read(rtf);
    EXPECT_EQ(back, letter) << rtf;
    EXPECT_EQ(write(back), rtf);
}

TEST(RtfWriter, EmptyDocumentsRoundTrip)
{
    EXPECT_EQ(read(write(Document{})), Document{});
    Document oneEmpty;
    oneEmpty.paragraphs.append(Paragraph{});
    EXPECT_EQ(read(write(oneEmpty)), oneEmpty);
}

} // namespace
