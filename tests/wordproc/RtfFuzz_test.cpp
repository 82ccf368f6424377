#include "RtfPrinting.h"
#include "wordproc/RtfReader.h"
#include "wordproc/RtfWriter.h"

#include <gtest/gtest.h>
#include <cstring>
#include <random>

// Whatever bytes a file holds, the reader returns a well-formed document and
// the writer writes it so that it reads back the same. Thousands of generated
// inputs: random RTF fragments, damaged letters, cut letters, hostile nesting.

namespace {

using namespace rtf;

// Pieces of RTF, right and wrong, that generated inputs are made of.
const std::vector<std::string> kPieces = {
    "{", "}", "{", "}", "\\b ", "\\b0 ", "\\i", "\\ul ", "\\ulnone ", "\\par\r\n", "\\pard", "\\plain ", "\\f1 ",
    "\\f7 ", "\\fs30 ", "\\fs0 ", "\\cf2 ", "\\cf-1 ", "\\qc", "\\qr ", "\\qj", "\\li300 ", "\\fi-200 ", "\\ri99999999999 ",
    "\\tx500 ", "\\tqr\\tx9000 ", "\\tqdec", "\\u8364?", "\\u-10179?", "\\u-8704?", "\\u", "\\'e9", "\\'", "\\'g",
    "\\*\\foo ", "{\\*\\pn\\pnlvlblt{\\pntxtb\\'b7}}", "{\\pntext\\f2\\'b7\\tab}", "{\\listtext o\\tab}", "\\ls1 ",
    "{\\fonttbl{\\f1\\fcharset238 Ar\\'b9;}{\\f2\\fcharset2 Symbol;}", "{\\f3 Cou\\u8364?rier}", "{\\colortbl;\\red1;",
    "\\red255\\green0\\blue0;", "{\\pict\\wmetafile8 0a0b}", "\\bin4 ", "\\bin99999 ", "\\uc3 ", "\\uc0 ", "\\tab ",
    "\\line ", "\\v ", "\\v0 ", "\\cell ", "\\row ", "\\page ", "\\sect ", "\\ansicpg932 ", "\\'82\\'a0", "\\ansicpg1251 ",
    "\\deff1 ", "\\deftab0 ", "\\deftab360 ", "texte ", "Lettre", " ", "\xC3\xA9", "\t", "\\\\", "\\{", "\\}", "\\~",
    "\\-", "\\_", "\\emdash ", "\\lquote ", "\\", "\r\n", "{\\stylesheet{\\s0 Normal;}}", "{\\header en-t\\'eate\\par}",
    "\\fonttbl ", "\\colortbl ", "{\\field{\\*\\fldinst x}{\\fldrslt lien}}", "\x00", "\xFF", ";",
};

std::string generated(std::mt19937 &random)
{
    std::string out = std::bernoulli_distribution(0.9)(random) ? "{\\rtf1" : "";
    const int pieces = std::uniform_int_distribution<int>(0, 200)(random);
    std::uniform_int_distribution<std::size_t> pick(0, kPieces.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < pieces; ++i) {
        if (std::bernoulli_distribution(0.05)(random))
            out += char(byte(random));
        else
            out += kPieces[pick(random)];
    }
    return out;
}

// What every document the reader gives must be.
void expectWellFormed(const Document &d, const std::string &input)
{
    const auto where = [&] { return ::testing::PrintToString(input); };
    EXPECT_GT(d.defaultTabWidth, 0) << where();
    for (const Paragraph &p : d.paragraphs) {
        for (qsizetype i = 0; i < p.runs.size(); ++i) {
            const rtf::Run &run = p.runs[i];
            ASSERT_FALSE(run.text.isEmpty()) << where();
            if (i > 0) {
                EXPECT_NE(run.format, p.runs[i - 1].format) << where();
            }
            for (const QChar c : run.text)
                ASSERT_TRUE(c.unicode() >= 0x20 || c == u'\t') << int(c.unicode()) << ' ' << where();
            EXPECT_FALSE(run.text.contains(QChar(0x2029))) << where();
            EXPECT_GE(run.format.halfPoints, 2);
            EXPECT_LE(run.format.halfPoints, 3276);
            EXPECT_FALSE(run.format.family.isEmpty());
        }
        for (qsizetype i = 1; i < p.format.tabs.size(); ++i)
            EXPECT_LT(p.format.tabs[i - 1].position, p.format.tabs[i].position) << where();
        for (const int length : {p.format.firstIndent, p.format.leftIndent, p.format.rightIndent})
            EXPECT_LE(std::abs(length), 31680) << where();
    }
}

void expectStable(const Document &d, const std::string &input)
{
    const std::string rewritten = write(d);
    EXPECT_EQ(read(rewritten), d) << ::testing::PrintToString(input) << "\n" << rewritten;
}

// A letter with every format the writer knows.
std::string richLetter()
{
    Document d;
    const CharFormat plain;
    CharFormat strong;
    strong.bold = strong.italic = strong.underline = true;
    strong.family = QStringLiteral("Arial");
    strong.colour = 0x336699;
    ParagraphFormat bullet;
    bullet.bullet = true;
    bullet.leftIndent = 720;
    bullet.firstIndent = -360;
    bullet.tabs = {{1440, TabKind::Right}};
    for (int i = 0; i < 6; ++i) {
        Paragraph p;
        p.format = i % 2 ? bullet : ParagraphFormat{};
        append(p, QStringLiteral("Ligne n° %1 : été {€} ሴ \U0001F600\t").arg(i), plain);
        append(p, QStringLiteral("fin\u2028suite\\"), strong);
        p.mark = i % 3 ? plain : strong;
        d.paragraphs.append(p);
    }
    return write(d);
}

TEST(RtfFuzz, GeneratedInputsReadWellAndRewriteTheSame)
{
    std::mt19937 random(20020315);
    for (int i = 0; i < 4000; ++i) {
        const std::string input = generated(random);
        const Document d = read(input);
        expectWellFormed(d, input);
        expectStable(d, input);
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(RtfFuzz, DamagedLettersReadWell)
{
    std::mt19937 random(1789);
    const std::string letter = richLetter();
    std::uniform_int_distribution<int> byte(0, 255);
    for (int i = 0; i < 3000; ++i) {
        std::string input = letter;
        const int damages = std::uniform_int_distribution<int>(1, 8)(random);
        for (int k = 0; k < damages; ++k) {
            const std::size_t at = std::uniform_int_distribution<std::size_t>(0, input.size() - 1)(random);
            switch (std::uniform_int_distribution<int>(0, 2)(random)) {
            case 0: input[at] = char(byte(random)); break;
            case 1: input.erase(at, std::uniform_int_distribution<std::size_t>(1, 20)(random)); break;
            default: input.insert(at, kPieces[std::size_t(byte(random)) % kPieces.size()]); break;
            }
            if (input.empty())
                input = "{";
        }
        const Document d = read(input);
        expectWellFormed(d, input);
        expectStable(d, input);
        if (::testing::Test::HasFailure())
            return;
    }
}

// A letter cut anywhere opens with the text before the cut: at most its last
// character differs, when the cut falls inside a \u number.
TEST(RtfFuzz, CutLettersGiveTheTextBeforeTheCut)
{
    const std::string letter = richLetter();
    const QString whole = read(letter).plainText();
    for (std::size_t length = std::strlen("{\\rtf"); length <= letter.size(); ++length) {
        const std::string cut = letter.substr(0, length);
        const Document d = read(cut);
        expectWellFormed(d, cut);
        const QString text = d.plainText();
        EXPECT_TRUE(whole.startsWith(text.chopped(std::min<qsizetype>(1, text.size())))) << cut;
        if (::testing::Test::HasFailure())
            return;
    }
}

TEST(RtfFuzz, HostileShapesEndQuickly)
{
    const std::string deep = "{\\rtf1 " + std::string(200000, '{') + "x" + std::string(200001, '}') + "y";
    EXPECT_EQ(read(deep).plainText(), QStringLiteral("x"));

    const std::string unclosed = "{\\rtf1 a" + std::string(300000, '{') + "\\b b";
    EXPECT_EQ(read(unclosed).plainText(), QStringLiteral("ab"));

    const std::string longWord = "{\\rtf1 \\" + std::string(100000, 'a') + "123456789012345678901234567890 z}";
    EXPECT_EQ(read(longWord).plainText(), QStringLiteral("z"));

    EXPECT_EQ(read("{\\rtf1 a\\bin2147483647 bcdef}").plainText(), QStringLiteral("a"));
    EXPECT_EQ(read("{\\rtf1 a\\bin-5 b}").plainText(), QStringLiteral("ab"));
    EXPECT_EQ(read("{\\rtf1 \\uc2147483647\\u65 abcdefghijkl}").plainText(), QStringLiteral("Aijkl"));
    EXPECT_EQ(read(std::string("{\\rtf1 a\0b}", 11)).plainText(), QStringLiteral("ab"));
}

} // namespace
