#include "ledger/Header.h"

#include "ledger/TextForms.h"
#include "support/LineLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The dates as "start end closing".
std::string datesOf(const FiscalYear &year)
{
    return (forms::formatDate(year.start) + u' ' + forms::formatDate(year.end) + u' ' + forms::formatDate(year.closing))
        .toStdString();
}

} // namespace

TEST(Header, TheDatesAreReadFromTheFirstBlock)
{
    // Dates kept from before the reading, where it does not get to them.
    const FiscalYear before{QDate(1999, 1, 1), QDate(1999, 12, 31), QDate(1999, 6, 30)};
    const struct {
        const char *guards;
        std::vector<std::string> lines;
        std::string dates;
    } cases[] = {
        {"start, end and closing", {"<HEAD>", "01/01/2002", "31/12/2002", "30/06/2002", "</HEAD>"},
         "01/01/2002 31/12/2002 30/06/2002"},
        {"two dates: the closing date is the start", {"<HEAD>", "01/01/2002", "31/12/2002", "</HEAD>"},
         "01/01/2002 31/12/2002 01/01/2002"},
        {"a block in the middle of the file", {"2002030x", "<HEAD>", "01/07/2002", "30/06/2003", "</HEAD>"},
         "01/07/2002 30/06/2003 01/07/2002"},
        {"a line carrying no data is not a date", {"<HEAD>", "", "01/01/2002", "31/12/2002", "</HEAD>"},
         "01/01/2002 31/12/2002 01/01/2002"},
        {"an unreadable start stops the reading", {"<HEAD>", "1er janvier", "31/12/2002", "</HEAD>"},
         "01/01/1999 31/12/1999 30/06/1999"},
        {"an unreadable end keeps the start read", {"<HEAD>", "01/01/2002", "fin de l'an", "</HEAD>"},
         "01/01/2002 31/12/1999 01/01/2002"},
        {"one date only", {"<HEAD>", "01/01/2002", "</HEAD>"}, "01/01/1999 31/12/1999 30/06/1999"},
        {"no closing marker", {"<HEAD>", "01/01/2002", "31/12/2002"}, "01/01/1999 31/12/1999 30/06/1999"},
        {"no header", {"2002030x"}, "01/01/1999 31/12/1999 30/06/1999"},
        {"a month's line in the block is passed over", {"<HEAD>", "01/01/2002", "3020012", "31/12/2002", "</HEAD>"},
         "01/01/2002 31/12/2002 01/01/2002"},
        {"six digits without a column digit are no month line", {"<HEAD>", "01/01/2002", "302001", "31/12/2002", "</HEAD>"},
         "01/01/2002 31/12/1999 01/01/2002"},
    };
    for (const auto &c : cases) {
        FiscalYear year = before;
        header::read(lineListOf(c.lines), year);
        EXPECT_EQ(datesOf(year), c.dates) << c.guards;
    }
}

TEST(Header, WritingPutsTheFiveLinesBackAtTheTop)
{
    const FiscalYear year{QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1)};
    const std::vector<std::string> header = {"<HEAD>", "01/01/2002", "31/12/2002", "01/01/2002", "</HEAD>"};
    const struct {
        const char *guards;
        std::vector<std::string> lines;
        std::vector<std::string> entries; // what follows the header once written
    } cases[] = {
        {"a file without header gets one", {"2002030x"}, {"2002030x"}},
        {"a block in the middle moves to the top", {"2002030x", "<HEAD>", "01/07/2001", "</HEAD>", "2002031y"},
         {"2002030x", "2002031y"}},
        {"a block without its closing marker loses the marker and its dates only",
         {"<HEAD>", "01/07/2001", "30/06/2002", "2002030x"}, {"2002030x"}},
        {"a month's line in the block follows the new one", {"<HEAD>", "01/07/2001", "3020012", "</HEAD>", "2002030x"},
         {"3020012", "2002030x"}},
    };
    for (const auto &c : cases) {
        LineList lines = lineListOf(c.lines);
        header::write(lines, year);
        std::vector<std::string> expected = header;
        expected.insert(expected.end(), c.entries.begin(), c.entries.end());
        EXPECT_EQ(textsOf(lines), expected) << c.guards;
    }
}

// The months of a record, as the register keeps them: read back exactly, and
// a line that is not what monthLine writes is no month.
TEST(ValidationMonths, AMonthLineReadsBackAndNothingElseDoes)
{
    const Validation record{QDate(2002, 3, 31), QDate(2002, 4, 2), std::string(64, 'a'), {}};
    const MonthPrint march{"200203", std::string(64, 'b'), {0x0000000Fu, 0xDEADBEEFu}};
    const std::string line = validation::monthLine(record, march);
    EXPECT_EQ(line, "Mois " + std::string(64, 'a') + " 200203 " + std::string(64, 'b') + " 0000000fdeadbeef");
    const auto read = validation::readMonthLine(line);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->first, record.fingerprint);
    EXPECT_EQ(read->second, march);
    for (const std::string &bad : {line.substr(0, line.size() - 1), "Mois " + std::string(64, 'a') + " 2002x3 " +
                                                                         std::string(64, 'b') + " ",
                                   "Validation 31/03/2002 02/04/2002 " + std::string(64, 'a')})
        EXPECT_FALSE(validation::readMonthLine(bad)) << bad;
    // Months make no other record: the header's record and the register's agree.
    Validation withMonths = record;
    withMonths.months = {march};
    EXPECT_EQ(withMonths, record);
}
