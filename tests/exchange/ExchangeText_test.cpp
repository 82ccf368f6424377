#include "exchange/ExchangeText.h"
#include "ledger/MonthLines.h"
#include "LedgerText.h"

#include "ledger/MonthIO.h"

#include <gtest/gtest.h>

namespace {

TextGrid gridOf(std::initializer_list<std::array<const char *, 8>> rows)
{
    TextGrid grid(32, 8);
    int r = 0;
    for (const auto &row : rows) {
        for (int c = 0; c < 8; ++c)
            grid.set(r, c, QString::fromUtf8(row[std::size_t(c)]));
        ++r;
    }
    return grid;
}

} // namespace

TEST(MonthExport, WritesSevenTrimmedFieldsPerEntryWithoutTheMark)
{
    const TextGrid grid = gridOf({
        {"05/03/2002", "411000", " Loyer mars ", "BQ", "F12", "      1234,50", "", "×"},
        {"06/03/2002", "512000", "Café", "BQ", "", "", "   0,75", ""},
    });
    EXPECT_EQ(exchange::exportMonth(grid), "05/03/2002\t411000\tLoyer mars\tBQ\tF12\t1234,50\t\r\n"
                                           "06/03/2002\t512000\tCaf\xE9\tBQ\t\t\t0,75\r\n");
}

TEST(MonthExport, AnEmptyGridWritesNothing)
{
    EXPECT_EQ(exchange::exportMonth(TextGrid(32, 8)), "");
}

TEST(MonthExport, AnEntryWithoutDateIsLeftOutButNotTheEntriesAfterIt)
{
    const TextGrid grid = gridOf({
        {"", "411000", "sans date", "", "", "1,00", "", ""},
        {"07/03/2002", "512000", "b", "", "", "", "2,00", ""},
    });
    EXPECT_EQ(exchange::exportMonth(grid), "07/03/2002\t512000\tb\t\t\t\t2,00\r\n");
}

TEST(JournalExport, WritesEveryFieldOfEveryEntryAfterTheHeader)
{
    const LineList lines = linesOf(kHeader2002 +
                                   entriesText("200203", {{"05/03/2002", "411000", "Loyer", "BQ", "F1", "   12,50", "", "\xD7"}}) +
                                   entriesText("200201", {{"10/01/2002", "512000", "Banque", "BQ", "", "", "    3,00", ""}}));
    EXPECT_EQ(exchange::exportJournal(lines), "05/03/2002\t411000\tLoyer\tBQ\tF1\t12,50\t\t\xD7\r\n"
                                              "10/01/2002\t512000\tBanque\tBQ\t\t\t3,00\t\r\n");
}

TEST(JournalExport, OneEntryInJanuaryGivesExactlyOneLine)
{
    const LineList lines = linesOf(kHeader2002 + entriesText("200201", {{"10/01/2002", "512000", "x", "", "", "1,00", "", ""}}));
    EXPECT_EQ(exchange::exportJournal(lines), "10/01/2002\t512000\tx\t\t\t1,00\t\t\r\n");
}

TEST(JournalExport, WithoutHeaderEndNothingIsExported)
{
    EXPECT_EQ(exchange::exportJournal(linesOf(entriesText("200201", {{"10/01/2002", "512000", "x", "", "", "1,00", "", ""}}))), "");
}

TEST(JournalExport, EachFieldStandsAtItsColumnUpToTheEntrysHighestColumn)
{
    // An invoice writes only the columns it fills: its amount stays the
    // sixth field; a line without a column digit is passed over; digits 8
    // and 9 of an import still export; a column given twice keeps its last.
    const LineList lines = linesOf(kHeader2002 +
                                   "200203001/03/2002\r\n2002031607000\r\n2002032Facture\r\n2002035   10,00\r\n"
                                   "200203X???\r\n"
                                   "200203002/03/2002\r\n2002031411000\r\n2002038huit\r\n"
                                   "200203003/03/2002\r\n2002036 1,00\r\n2002032b\r\n2002036 2,00\r\n");
    EXPECT_EQ(exchange::exportJournal(lines), "01/03/2002\t607000\tFacture\t\t\t10,00\r\n"
                                              "02/03/2002\t411000\t\t\t\t\t\t\thuit\r\n"
                                              "03/03/2002\t\tb\t\t\t\t2,00\r\n");
}

TEST(JournalExport, LinesBeforeAnyDateFormARecordOfTheirOwn)
{
    const LineList lines = linesOf(kHeader2002 + "2002031411000\r\n200203001/03/2002\r\n");
    EXPECT_EQ(exchange::exportJournal(lines), "\t411000\r\n01/03/2002\r\n");
}

TEST(JournalExport, AnEntryWithNothingAtAllIsNotWritten)
{
    const LineList lines = linesOf(kHeader2002 + "2002030\r\n200203001/03/2002\r\n");
    EXPECT_EQ(exchange::exportJournal(lines), "01/03/2002\r\n");
}

TEST(ExchangeText, TrimmingTakesBlanksAndControlCharactersAtBothEnds)
{
    EXPECT_EQ(monthlines::trimmedCell("  \t12,50 \r"), "12,50");
    EXPECT_EQ(monthlines::trimmedCell("a b"), "a b");
    EXPECT_EQ(monthlines::trimmedCell("   "), "");
    EXPECT_EQ(monthlines::trimmedCell("\xA0x\xA0"), "\xA0x\xA0"); // a no-break space is text
}
