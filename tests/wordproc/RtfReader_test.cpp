#include "RtfPrinting.h"
#include "wordproc/RtfReader.h"

#include <gtest/gtest.h>

// Letters as common word processors write them, each read for its text and
// formats; then the reader's rules one by one.

namespace {

using namespace rtf;

CharFormat font(const char *family, int halfPoints)
{
    CharFormat f;
    f.family = QString::fromUtf8(family);
    f.halfPoints = halfPoints;
    return f;
}

CharFormat bold(CharFormat f)
{
    f.bold = true;
    return f;
}

CharFormat italic(CharFormat f)
{
    f.italic = true;
    return f;
}

CharFormat underline(CharFormat f)
{
    f.underline = true;
    return f;
}

CharFormat coloured(CharFormat f, quint32 rgb)
{
    f.colour = rgb;
    return f;
}

QList<rtf::Run> runs(std::initializer_list<std::pair<const char16_t *, CharFormat>> list)
{
    QList<rtf::Run> out;
    for (const auto &[text, format] : list)
        out.append(rtf::Run{QString::fromUtf16(text), format});
    return out;
}

Document readText(const char *rtf)
{
    return read(rtf);
}

// What a rich-text control writes: flat control words, \pn bullets.
TEST(RtfReader, ReadsAWordPadLetter)
{
    const Document d = readText(R"({\rtf1\ansi\ansicpg1252\deff0\deflang1036{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fprq2\fcharset0 Times New Roman;}{\f2\fnil\fcharset2 Symbol;}}
{\colortbl ;\red255\green0\blue0;\red0\green0\blue128;}
{\*\generator Msftedit 5.41.21.2510;}\viewkind4\uc1\pard\qc\lang1036\b\f0\fs28 SARL Tavelin\b0\par
\pard\f1\fs20 Cher client,\par
\pard{\pntext\f2\'B7\tab}{\*\pn\pnlvlblt\pnf2\pnindent0{\pntxtb\'B7}}\fi-720\li720 premi\'e8re ligne\par
{\pntext\f2\'B7\tab}\cf1\i seconde\cf0\i0\par
\pard\qr\ul Montant : 12\~000\~\'80\ulnone\par
}
)");
    ASSERT_EQ(d.paragraphs.size(), 5);
    const CharFormat times = font("Times New Roman", 20);

    EXPECT_EQ(d.paragraphs[0].format.alignment, Alignment::Centre);
    EXPECT_EQ(d.paragraphs[0].runs, runs({{u"SARL Tavelin", bold(font("Arial", 28))}}));
    EXPECT_EQ(d.paragraphs[0].mark, font("Arial", 28));

    EXPECT_EQ(d.paragraphs[1].format, ParagraphFormat{});
    EXPECT_EQ(d.paragraphs[1].runs, runs({{u"Cher client,", times}}));

    ParagraphFormat bulleted;
    bulleted.bullet = true;
    bulleted.firstIndent = -720;
    bulleted.leftIndent = 720;
    EXPECT_EQ(d.paragraphs[2].format, bulleted);
    EXPECT_EQ(d.paragraphs[2].runs, runs({{u"première ligne", times}}));
    EXPECT_EQ(d.paragraphs[3].format, bulleted) << "paragraph formats last until \\pard";
    EXPECT_EQ(d.paragraphs[3].runs, runs({{u"seconde", italic(coloured(times, 0xFF0000))}}));

    EXPECT_EQ(d.paragraphs[4].format.alignment, Alignment::Right);
    EXPECT_FALSE(d.paragraphs[4].format.bullet);
    EXPECT_EQ(d.paragraphs[4].runs, runs({{u"Montant : 12\u00A0000\u00A0€", underline(times)}}));
}

// Word: style sheet, list tables, info, header, \listtext lists, fields,
// \u with a fallback byte, theme data.
TEST(RtfReader, ReadsAWordLetter)
{
    const Document d = readText(R"({\rtf1\adeflang1025\ansi\ansicpg1252\uc1\adeff0\deff0\stshfdbch0\deflang1036{\fonttbl{\f0\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}{\f3\froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}
{\f37\fswiss\fcharset0\fprq2{\*\panose 020b0604030504040204}Verdana;}}{\colortbl;\red0\green0\blue0;\red0\green0\blue255;}
{\stylesheet{\ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \fs24\lang1036\langfe1036\cgrid\langnp1036\langfenp1036 \snext0 Normal;}{\*\cs10 \additive \ssemihidden Default Paragraph Font;}}
{\*\listtable{\list\listtemplateid-1\listhybrid{\listlevel\levelnfc23\levelnfcn23\leveljc0\levelfollow0\levelstartat1\levelspace0\levelindent0{\leveltext\leveltemplateid67895297\'01\u-3913 ?;}{\levelnumbers;}\f3\fbias0 \fi-360\li720\jclisttab\tx720\lin720 }{\listname ;}\listid1}}
{\*\listoverridetable{\listoverride\listid1\listoverridecount0\ls1}}
{\info{\title Lettre}{\author Jean}{\creatim\yr2002\mo3\dy15\hr10\min30}}
\paperw11906\paperh16838\margl1417\margr1417\margt1417\margb1417 \widowctrl\ftnbj\aenddoc
\sectd \linex0\headery708\footery708\colsx708\endnhere\sectlinegrid360\sectdefaultcl\sftnbj
{\header \pard\plain \s15\ql \li0\ri0\widctlpar\tqc\tx4536\tqr\tx9072 {\fs20 En-t\'eate}\par}
\pard\plain \ltrpar\ql \li0\ri0\widctlpar\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \fs24\lang1036\langfe1036\cgrid\langnp1036\langfenp1036 {\f37\fs20 Lyon, le 15 mars 2002}{\f37\fs20 \par }
\pard \ltrpar\ql \li0\ri0\widctlpar\tx2268\tqr\tx8505\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 {\f37\fs20 Facture\tab n\'b0 12\tab 1\~250,00 \u8364\'80\par }
{\listtext\pard\plain\f3\fs20\insrsid1 \loch\af3\dbch\af0\hich\f3 \'b7\tab}\pard \ltrpar\ql \fi-360\li720\ri0\widctlpar\jclisttab\tx720\aspalpha\aspnum\faauto\ls1\adjustright\rin0\lin720\itap0 {\f37\fs20\cf2 Paiement \'e0 30\~jours}{\f37\fs20 \emdash  merci\par }
{\field{\*\fldinst {\f37\fs20 HYPERLINK "http://exemple.fr" }}{\fldrslt {\f37\fs20\ul\cf2 site}}}{\f37\fs20 \par }
{\*\themedata 504b030414000600080000002100}
}
)");
    const CharFormat verdana = font("Verdana", 20);
    ASSERT_EQ(d.paragraphs.size(), 4) << ::testing::PrintToString(d);
    EXPECT_EQ(d.paragraphs[0].runs, runs({{u"Lyon, le 15 mars 2002", verdana}}));
    EXPECT_EQ(d.paragraphs[0].mark, verdana);

    EXPECT_EQ(d.paragraphs[1].runs, runs({{u"Facture\tn° 12\t1\u00A0250,00 €", verdana}}));
    EXPECT_EQ(d.paragraphs[1].format.tabs, (QList<TabStop>{{2268, TabKind::Left}, {8505, TabKind::Right}}));

    const Paragraph &item = d.paragraphs[2];
    EXPECT_TRUE(item.format.bullet) << "a list item whose mark is a symbol";
    EXPECT_EQ(item.format.firstIndent, -360);
    EXPECT_EQ(item.format.leftIndent, 720);
    EXPECT_EQ(item.runs, runs({{u"Paiement à 30\u00A0jours", coloured(verdana, 0x0000FF)}, {u"— merci", verdana}}));

    EXPECT_EQ(d.paragraphs[3].runs, runs({{u"site", underline(coloured(verdana, 0x0000FF))}}))
        << "a field shows its result, not its instruction";
}

// LibreOffice: \*\falt in the font table, \u with Latin-1 fallbacks, page
// styles, bookmarks, a picture in both of its forms.
TEST(RtfReader, ReadsALibreOfficeLetter)
{
    const Document d = readText(R"({\rtf1\ansi\deff4\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f4\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}}
{\colortbl;\red0\green0\blue0;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\ql\nowidctlpar\hyphpar0\ltrpar\cf0\kerning1\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f3\hich\af3\fs24\lang1036 Normal;}
}{\*\generator LibreOffice/6.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr2021\mo1\dy2\hr3\min4}{\*\company Tavelin}}\deftab709
\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\pgdscnxt0 Default Style;}}
\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\sectunlocked1\pgndec\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s0\ql\nowidctlpar\hyphpar0\ltrpar\cf0\kerning1\dbch\af5\langfe2052\dbch\af6\afs24\alang1081\loch\f4\hich\af4\fs24\lang1036{\b\rtlch \ltrch\loch
Objet : relance}
\par \pard\plain \s0\qj\li567\ri567\lin567\rin567\fi0\nowidctlpar\hyphpar0\ltrpar\cf0\kerning1\loch\f4\hich\af4\fs24\lang1036{\rtlch \ltrch\loch
Madame, \u171\'ab\u160\'a0vite\u160\'a0\u187\'bb{\*\bkmkstart x}{\*\bkmkend x}}
\par \pard\plain \s0\ql\nowidctlpar{\*\shppict{\pict\pngblip\picw10\pich10 89504e470d0a1a0a}}{\nonshppict{\pict\wmetafile8 0100}}{\i fin}
\par }
)");
    const CharFormat serif = font("Liberation Serif", 24);
    ASSERT_EQ(d.paragraphs.size(), 3) << ::testing::PrintToString(d);
    EXPECT_EQ(d.defaultTabWidth, 709);
    EXPECT_EQ(d.paragraphs[0].runs, runs({{u"Objet : relance", bold(serif)}}));
    EXPECT_EQ(d.paragraphs[1].format.alignment, Alignment::Justify);
    EXPECT_EQ(d.paragraphs[1].format.leftIndent, 567);
    EXPECT_EQ(d.paragraphs[1].format.rightIndent, 567);
    EXPECT_EQ(d.paragraphs[1].runs, runs({{u"Madame, «\u00A0vite\u00A0»", serif}}));
    EXPECT_EQ(d.paragraphs[2].runs, runs({{u"fin", italic(serif)}})) << "pictures are passed over";
    EXPECT_EQ(d.paragraphs[2].mark, serif);
}

TEST(RtfReader, GroupsPlainAndPardFollowTheirScope)
{
    // An old flat font table, and no \deff: font 0 is the default.
    const Document d = readText(R"({\rtf1\ansi{\fonttbl\f0\fnil Courier New;\f1\fswiss Arial;}
\f1\fs30 a{\b b{\i c\plain d}e}f\par
\qc\li100 g\par
h\pard\par})");
    const CharFormat arial = font("Arial", 30);
    ASSERT_EQ(d.paragraphs.size(), 3);
    EXPECT_EQ(d.paragraphs[0].runs, runs({{u"a", arial},
                                          {u"b", bold(arial)},
                                          {u"c", bold(italic(arial))},
                                          {u"d", font("Courier New", 24)},
                                          {u"e", bold(arial)},
                                          {u"f", arial}}));
    EXPECT_EQ(d.paragraphs[1].format.alignment, Alignment::Centre);
    EXPECT_EQ(d.paragraphs[1].format.leftIndent, 100);
    EXPECT_EQ(d.paragraphs[2].format, ParagraphFormat{}) << "the format at \\par is the paragraph's";
}

TEST(RtfReader, UnicodeAndItsFallbacks)
{
    const Document d = readText(R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}}\uc2 \u8364 EU{\uc0\u8364}\u-10179\'3f\'3f\u-8704\'3f\'3f x\uc1\u4660?{\u233\'e9}\par})");
    ASSERT_EQ(d.paragraphs.size(), 1);
    EXPECT_EQ(d.paragraphs[0].text(), QStringLiteral("€€\U0001F600 xሴé"));
}

TEST(RtfReader, NamedCharactersAndSymbols)
{
    const Document d = readText(
        R"({\rtf1 \lquote a\rquote  \ldblquote b\rdblquote \bullet \endash \emdash x\line y\tab z\~\-\_ \\ \{ \} \emspace\enspace\qmspace\zwj\zwnj|\par})");
    ASSERT_EQ(d.paragraphs.size(), 1);
    EXPECT_EQ(d.paragraphs[0].text(),
              QStringLiteral("‘a’ “b”•–—x\u2028y\tz\u00A0\u00AD\u2011 \\ { } \u2003\u2002\u2005\u200D\u200C|"));
}

TEST(RtfReader, ColoursAndSizesOutOfRange)
{
    const Document d = readText(
        R"({\rtf1{\colortbl;\red10\green20\blue30;\red999\green-5\blue255;}\cf1 a\cf2 b\cf0 c\cf9 d\fs0 e\fs99999999999999 f\fs7 g\par})");
    ASSERT_EQ(d.paragraphs.size(), 1);
    const QList<rtf::Run> &r = d.paragraphs[0].runs;
    ASSERT_EQ(r.size(), 5) << ::testing::PrintToString(d);
    EXPECT_EQ(r[0].format.colour, 0x0A141Eu);
    EXPECT_EQ(r[1].format.colour, 0xFF00FFu) << "components are kept to 0..255";
    // Entry 0 is the automatic colour, so is an entry the table lacks, and
    // \fs0 is the default size: c, d and e share one format.
    EXPECT_EQ(r[2].text, QStringLiteral("cde"));
    EXPECT_FALSE(r[2].format.colour);
    EXPECT_EQ(r[2].format.halfPoints, 24);
    EXPECT_EQ(r[3].format.halfPoints, 3276);
    EXPECT_EQ(r[4].format.halfPoints, 7);
}

TEST(RtfReader, HiddenTextTablesAndBreaks)
{
    const Document d = readText(R"({\rtf1 vu{\v cach\'e9}\par
\trowd\cellx1000\cellx2000 \pard\intbl a\cell b\cell\row
un\page deux\par\page trois\sect})");
    ASSERT_EQ(d.paragraphs.size(), 5) << ::testing::PrintToString(d);
    EXPECT_EQ(d.plainText(), QStringLiteral("vu\na\tb\nun\ndeux\ntrois"));
}

TEST(RtfReader, ListMarksThatAreNotBulletsStayAsText)
{
    const Document d = readText(R"({\rtf1{\fonttbl{\f0 Arial;}}
\pard{\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pndec{\pntxta .}}\fi-360\li360 premier\par
\pard{\listtext 2)\tab}\ls2 second\par
\pard{\listtext\tab}\ls1 puce\par
\pard{\listtext o\tab}\ls1 rond\par})");
    ASSERT_EQ(d.paragraphs.size(), 4);
    EXPECT_FALSE(d.paragraphs[0].format.bullet);
    EXPECT_EQ(d.paragraphs[0].text(), QStringLiteral("1.\tpremier"));
    EXPECT_FALSE(d.paragraphs[1].format.bullet);
    EXPECT_EQ(d.paragraphs[1].text(), QStringLiteral("2)\tsecond"));
    EXPECT_TRUE(d.paragraphs[2].format.bullet);
    EXPECT_EQ(d.paragraphs[2].text(), QStringLiteral("puce"));
    EXPECT_TRUE(d.paragraphs[3].format.bullet) << "Word's round bullet is a letter o";
    EXPECT_EQ(d.paragraphs[3].text(), QStringLiteral("rond"));
}

TEST(RtfReader, CodePagesOfTheDocumentAndOfFonts)
{
    const Document d = readText(
        R"({\rtf1\ansi\ansicpg1251{\fonttbl{\f0 Arial;}{\f1\fcharset238 Arial CE;}{\f2\fcharset2 Symbol;}{\f3\fcharset2 Wingdings;}}\'c0\'e1{\f1 \'b9}{\f2 \'61\'b3}{\f3 \'a7}\par})");
    ASSERT_EQ(d.paragraphs.size(), 1);
    EXPECT_EQ(d.paragraphs[0].text(), QStringLiteral("Абąα≥§"));
}

TEST(RtfReader, BinaryDataAndBrokenEscapesArePassedOver)
{
    const Document d = read(std::string("{\\rtf1 {\\pict\\bin5 {}}\\x}ok\\'zz\\'4\\par}"));
    ASSERT_EQ(d.paragraphs.size(), 1);
    EXPECT_EQ(d.paragraphs[0].text(), QStringLiteral("okzz4"));
}

TEST(RtfReader, ACutFileGivesWhatItHolds)
{
    const Document d = readText(R"({\rtf1{\fonttbl{\f0 Arial;}}\qc abc{\b def)");
    ASSERT_EQ(d.paragraphs.size(), 1);
    EXPECT_EQ(d.paragraphs[0].format.alignment, Alignment::Centre);
    EXPECT_EQ(d.paragraphs[0].runs, runs({{u"abc", font("Arial", 24)}, {u"def", bold(font("Arial", 24))}}));
}

TEST(RtfReader, NothingAfterTheDocumentGroup)
{
    EXPECT_EQ(readText(R"({\rtf1 abc}} trailing {\b x})").plainText(), QStringLiteral("abc"));
    EXPECT_TRUE(readText(R"({\rtf1})").paragraphs.isEmpty());
    EXPECT_TRUE(read("").paragraphs.isEmpty());
}

TEST(RtfReader, TextThatIsNotRtfIsReadAsLines)
{
    const struct {
        std::string bytes;
        QString text;
    } cases[] = {
        {"Bonjour\r\n\xC3\xA0 tous\n", QStringLiteral("Bonjour\nà tous")},
        {"caf\xE9\rcr\x01", QStringLiteral("café\ncr")},
        {"\xEF\xBB\xBFnomenclature", QStringLiteral("nomenclature")},
        {"{\\rt pas du rtf", QStringLiteral("{\\rt pas du rtf")},
        // U+FFFF and U+2029 are dropped, as from RTF: the letter must write back as it reads.
        {"\xEF\xBB\xBF\xEF\xBF\xBFr\xE2\x80\xA9s", QStringLiteral("rs")},
    };
    for (const auto &c : cases) {
        const Document d = read(c.bytes);
        EXPECT_EQ(d.plainText(), c.text) << c.bytes;
        for (const Paragraph &p : d.paragraphs)
            EXPECT_EQ(p.mark, CharFormat{});
    }
    EXPECT_EQ(read("  \r\n{\\rtf1 x}").plainText(), QStringLiteral("x")) << "blanks before the group";
}

} // namespace
