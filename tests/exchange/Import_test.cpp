#include "exchange/Import.h"
#include "exchange/ImportEncoding.h"
#include "LedgerText.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;
using Lines = std::vector<std::string>;

Lines listed(const LineList &list)
{
    return {list.begin(), list.end()};
}

Lines imported(const std::string &file, exchange::ImportSummary *summary = nullptr)
{
    LineList lines;
    const exchange::ImportSummary s = exchange::importEntries(file, lines, FiscalYear{});
    if (summary)
        *summary = s;
    return listed(lines);
}

} // namespace

TEST(Import, EveryFieldBecomesALineUnderTheMonthOfItsDate)
{
    EXPECT_EQ(imported("15/03/2002\t411000\tLoyer\tBQ\tF1\t12,50\t\r\n"),
              (Lines{"20020301" "5/03/2002", "2002031411000", "2002032Loyer", "2002033BQ", "2002034F1", "200203512,50"}));
}

// An amount is stored as the program writes one; what is no number stays as
// it came, and only the debit and credit fields are amounts.
TEST(Import, AmountsAreStoredAsTheProgramWritesThem)
{
    struct Case {
        const char *field;
        const char *stored;
    };
    const Case cases[] = {
        {"0", "0,00"}, {"-0", "0,00"}, {"12,5", "12,50"}, {"  7 ", "7,00"}, {"1234,56", "1234,56"},
        {"12.50", "12.50"}, {"douze", "douze"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        const std::string field = c.field;
        const Lines lines = imported("15/03/2002\t411000\t0\tBQ\t0\t" + field + "\t" + field + "\r\n");
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[2], "20020320");
        EXPECT_EQ(lines[4], "20020340");
        EXPECT_EQ(lines[5], std::string("2002035") + c.stored);
        EXPECT_EQ(lines[6], std::string("2002036") + c.stored);
    }
}

TEST(Import, AppendsAfterTheLinesAlreadyThere)
{
    LineList lines = linesOf(kHeader2002);
    exchange::importEntries("01/02/2002\t512000\r\n", lines, FiscalYear{});
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5], "200202001/02/2002");
    EXPECT_EQ(lines[6], "2002021512000");
}

TEST(Import, ThreeFieldsGiveThreeLines)
{
    EXPECT_EQ(imported("15/03/2002\t411000\tLoyer\r\n"), (Lines{"200203015/03/2002", "2002031411000", "2002032Loyer"}));
}

TEST(Import, TheFieldsAsTheExportWritesThemGiveColumnDigitsZeroToSeven)
{
    // The ninth field, where the export writes the lettering, and those after
    // it are not imported: a code means something only on its own dossier.
    for (const char *line : {"15/03/2002\t1\t2\t3\t4\t5\t6\t7\r\n", "15/03/2002\t1\t2\t3\t4\t5\t6\t7\tAB 15/03/2002\r\n",
                             "15/03/2002\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\r\n"}) {
        const Lines lines = imported(line);
        ASSERT_EQ(lines.size(), 8u) << line;
        EXPECT_EQ(lines[1], "20020311") << line;
        EXPECT_EQ(lines.back(), "20020377") << line;
    }
}

TEST(Import, EveryLineEndSplitsLines)
{
    const Lines expected{"200203015/03/2002", "2002031411000", "200204001/04/2002", "2002041512000"};
    EXPECT_EQ(imported("15/03/2002\t411000\r\n01/04/2002\t512000\r\n"), expected);
    EXPECT_EQ(imported("15/03/2002\t411000\n01/04/2002\t512000\n"), expected);
    EXPECT_EQ(imported("15/03/2002\t411000\r01/04/2002\t512000"), expected);
}

TEST(Import, BlankLinesCarryNoEntry)
{
    exchange::ImportSummary summary;
    EXPECT_EQ(imported("\r\n15/03/2002\t411000\r\n\r\n  \t \r\n", &summary),
              (Lines{"200203015/03/2002", "2002031411000"}));
    EXPECT_EQ(summary.entries, 1);
    EXPECT_TRUE(summary.refused.empty());
}

TEST(Import, ATabEndingTheLineOpensNoField)
{
    // The whole-journal export ends an entry without check-off mark by a TAB.
    EXPECT_EQ(imported("15/03/2002\t411000\t\r\n").size(), 2u);
    EXPECT_EQ(imported("15/03/2002\t\t\r\n"), (Lines{"200203015/03/2002", "2002031"}));
}

TEST(Import, LongLinesKeepEveryField)
{
    const std::string label(300, 'L');
    const Lines lines = imported("15/03/2002\t411000\t" + label + "\tBQ\t\t12,50\r\n");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[2], "2002032" + label.substr(0, 254)); // what a cell holds
    EXPECT_EQ(lines[5], "200203512,50");
}

// Only entries of the year come in: each other line is refused with its
// number and reason, and the lines around it still come in.
struct RefusedCase {
    const char *date;
    const char *reason;
};

class ImportRefusal : public testing::TestWithParam<RefusedCase> {};

TEST_P(ImportRefusal, RefusesTheLineAndTakesTheOthers)
{
    // Validated up to 31/03/2002 in a year from 01/01/2002 to 31/12/2002.
    FiscalYear year{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};
    year.validations.push_back({QDate(2002, 3, 31), QDate(2002, 4, 2), std::string(64, '0'), {}});
    LineList lines = linesOf(kHeader2002);
    const exchange::ImportSummary summary = exchange::importEntries(
        "15/04/2002\ta\r\n"s + GetParam().date + "\tb\r\n16/04/2002\tc\r\n", lines, year);
    EXPECT_EQ(summary.entries, 2);
    EXPECT_EQ(summary.refused, (std::vector<exchange::RefusedLine>{{2, QString::fromUtf8(GetParam().reason)}}));
    EXPECT_EQ(listed(lines).back(), "2002041c");
    EXPECT_EQ(lines.size(), 5u + 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Import, ImportRefusal,
    testing::Values(RefusedCase{"", "l'écriture n'a pas de date."},
                    RefusedCase{"2002-03-15", "la date « 2002-03-15 » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"15-04-2002", "la date « 15-04-2002 » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"15.04.2002", "la date « 15.04.2002 » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"15/04/2002x", "la date « 15/04/2002x » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"15/4/2002", "la date « 15/4/2002 » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"31/02/2002", "la date « 31/02/2002 » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"15/13/2002", "la date « 15/13/2002 » n'est pas une date (JJ/MM/AAAA)."},
                    RefusedCase{"31/12/2001",
                                "la date 31/12/2001 est en dehors de l'exercice (du 01/01/2002 au 31/12/2002)."},
                    RefusedCase{"05/01/2003",
                                "la date 05/01/2003 est en dehors de l'exercice (du 01/01/2002 au 31/12/2002)."},
                    RefusedCase{"31/03/2002", "la date 31/03/2002 est dans la période validée (jusqu'au 31/03/2002)."}));

TEST(Import, AYearClosedForGoodTakesNoEntry)
{
    const FiscalYear closed{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 12, 31)};
    LineList lines = linesOf(kHeader2002);
    const exchange::ImportSummary summary =
        exchange::importEntries("15/01/2002\ta\r\n01/01/2003\tb\r\n", lines, closed);
    EXPECT_EQ(summary.entries, 0);
    EXPECT_EQ(summary.refused.size(), 2u);
    EXPECT_EQ(lines.size(), 5u);
}

TEST(Import, ReadsCodePage1252)
{
    exchange::ImportSummary summary;
    EXPECT_EQ(imported("15/03/2002\t411000\tCaf\xE9 \x80\r\n", &summary)[2], "2002032Caf\xE9 \x80");
    EXPECT_FALSE(summary.fromUtf8);
    EXPECT_EQ(summary.replaced, 0);
}

TEST(Import, ReadsUtf8WithOrWithoutByteOrderMark)
{
    for (const std::string bom : {"", "\xEF\xBB\xBF"}) {
        exchange::ImportSummary summary;
        const Lines lines = imported(bom + "15/03/2002\t411000\tCaf\xC3\xA9 \xE2\x82\xAC \xC5\x93\r\n", &summary);
        ASSERT_EQ(lines.size(), 3u);
        EXPECT_EQ(lines[0], "200203015/03/2002");
        EXPECT_EQ(lines[2], "2002032Caf\xE9 \x80 \x9C");
        EXPECT_TRUE(summary.fromUtf8);
        EXPECT_EQ(summary.replaced, 0);
    }
}

TEST(Import, Utf8CharactersWithoutACodePage1252ByteBecomeQuestionMarksAndAreCounted)
{
    exchange::ImportSummary summary;
    // "Ω", "→" and an emoji (beyond the first 65,536 characters) are three characters.
    const Lines lines = imported("15/03/2002\t411000\t\xCE\xA9 \xE2\x86\x92 \xF0\x9F\x98\x80 ?\r\n", &summary);
    EXPECT_EQ(lines[2], "2002032? ? ? ?");
    EXPECT_EQ(summary.replaced, 3);
}

TEST(Import, TextThatIsNotValidUtf8IsCodePage1252)
{
    // "é" in code page 1252 followed by bytes that could start UTF-8.
    exchange::ImportSummary summary;
    EXPECT_EQ(imported("15/03/2002\t\xC3\xA9t\xE9\r\n", &summary)[1], "2002031\xC3\xA9t\xE9");
    EXPECT_FALSE(summary.fromUtf8);
}

TEST(Utf8Validity, TellsValidFromInvalidSequences)
{
    struct Case {
        const char *bytes;
        bool valid;
    };
    const Case cases[] = {
        {"plain", true},
        {"\xC3\xA9", true},              // é
        {"\xE2\x82\xAC", true},          // €
        {"\xF0\x9F\x98\x80", true},      // emoji
        {"\xC3", false},                 // cut short
        {"\xA9", false},                 // stray continuation byte
        {"\xC0\xAF", false},             // overlong "/"
        {"\xE0\x80\xAF", false},         // overlong "/"
        {"\xED\xA0\x80", false},         // surrogate
        {"\xF4\x90\x80\x80", false},     // above U+10FFFF
        {"\xE2\x82x", false},            // broken continuation
        {"\xFF", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(exchange::isValidUtf8(c.bytes), c.valid) << c.bytes;
}

TEST(ImportSummary, SaysHowManyEntriesCameIn)
{
    exchange::ImportSummary s;
    EXPECT_EQ(exchange::summaryMessage(s), QStringLiteral("Aucune écriture importée."));
    s.entries = 1;
    EXPECT_EQ(exchange::summaryMessage(s), QStringLiteral("1 écriture importée."));
    s.entries = 12;
    EXPECT_EQ(exchange::summaryMessage(s), QStringLiteral("12 écritures importées."));
}

TEST(ImportSummary, SaysWhatWasReplacedAndWhichLinesWereRefused)
{
    exchange::ImportSummary s;
    s.entries = 9;
    s.fromUtf8 = true;
    s.replaced = 2;
    s.refused = {{2, QStringLiteral("l'écriture n'a pas de date.")}, {4, QStringLiteral("raison.")}};
    EXPECT_EQ(exchange::summaryMessage(s),
              QStringLiteral("9 écritures importées.\n"
                             "Le fichier était en UTF-8 : 2 caractères absents du jeu de caractères Windows (1252) "
                             "ont été remplacés par « ? ».\n"
                             "2 lignes refusées :\n"
                             "  ligne 2 : l'écriture n'a pas de date.\n"
                             "  ligne 4 : raison."));
    s.replaced = 1;
    s.refused.assign(exchange::kRefusedLinesListed + 3, {7, QStringLiteral("raison.")});
    const QString message = exchange::summaryMessage(s);
    EXPECT_TRUE(message.startsWith(QStringLiteral("9 écritures importées.\n"
                                                  "Le fichier était en UTF-8 : 1 caractère absent du jeu de "
                                                  "caractères Windows (1252) a été remplacé par « ? ».\n"
                                                  "23 lignes refusées :\n  ligne 7 : raison.\n")));
    EXPECT_TRUE(message.endsWith(QStringLiteral("  ligne 7 : raison.\n  … et 3 autres.")));
    s.refused.resize(1);
    EXPECT_TRUE(exchange::summaryMessage(s).endsWith(QStringLiteral("1 ligne refusée :\n  ligne 7 : raison.")));
}

TEST(ImportSummary, TellsWhatTheFileHeldBeyondItsEntries)
{
    struct Case {
        std::string file;
        QString summary;
        std::size_t lines; // lines imported
    };
    const std::string label300(300, 'x');
    const Case cases[] = {
        // A label longer than a cell: cut to what the month shows.
        {"15/03/2002\t411000\t" + label300 + "\r\n",
         "1 écriture importée.\n1 champ de plus de 254 caractères a été coupé à 254.", 3},
        // A NUL byte: its line and the rest are left out, and the user knows where.
        {"15/03/2002\t411000\r\n16/03/2002\t41\0" "1000\r\n17/03/2002\t411000\r\n"s,
         "1 écriture importée.\nLe fichier contient un caractère nul à la ligne 2 : cette ligne et la suite du "
         "fichier ont été ignorées.",
         2},
        // UTF-8 lines among code page 1252 ones: read as code page 1252, and said.
        {"15/03/2002\t411000\tCaf\xC3\xA9\r\n16/03/2002\t411000\tCaf\xE9\r\n17/03/2002\t411000\tTh\xC3\xA9\r\n",
         "3 écritures importées.\nLe fichier mêle l'UTF-8 et le jeu de caractères Windows (1252) : il a été lu en "
         "Windows (1252), et les accents des 2 lignes écrites en UTF-8 (lignes 1, 3) sont à vérifier.",
         9},
    };
    for (const Case &c : cases) {
        LineList lines;
        const exchange::ImportSummary summary = exchange::importEntries(c.file, lines, FiscalYear{});
        EXPECT_EQ(exchange::summaryMessage(summary), c.summary);
        EXPECT_EQ(lines.size(), c.lines) << c.summary.toStdString();
        for (std::string_view line : lines)
            EXPECT_LE(line.size(), 7 + 254u);
    }
}

TEST(Import, NothingComesInThatWouldMakeTheDossierTooLargeToOpenAgain)
{
    const std::string twoEntries = "15/03/2002\t411000\r\n16/03/2002\t411000\r\n";
    LineList lines = linesOf(kHeader2002);
    // 5 lines of header and 4 of entries: one too many, then just enough.
    exchange::ImportSummary summary = exchange::importEntries(twoEntries, lines, FiscalYear{}, 8);
    EXPECT_EQ(summary.refusedAt, 9u);
    EXPECT_EQ(lines.size(), 5u);
    EXPECT_EQ(exchange::summaryMessage(summary),
              QStringLiteral("Le dossier compterait 9 lignes après l'import, plus que les 8 qu'un dossier peut "
                             "compter : aucune écriture n'a été importée."));
    summary = exchange::importEntries(twoEntries, lines, FiscalYear{}, 9);
    EXPECT_EQ(summary.refusedAt, 0u);
    EXPECT_EQ(lines.size(), 9u);
}
