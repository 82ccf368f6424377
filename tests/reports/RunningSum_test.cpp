#include "reports/RunningSum.h"

#include "ledger/TextForms.h"

#include <gtest/gtest.h>
#include <string_view>
#include <vector>

using reports::RunningSum;

TEST(RunningSum, EmptyAmountsLeaveAnEmptyCellEmpty)
{
    RunningSum cell;
    cell.add("");
    cell.add("    ");
    EXPECT_TRUE(cell.isEmpty());
    EXPECT_TRUE(cell.text().isEmpty());
}

TEST(RunningSum, SumsAreExactAndWrittenInTheHashZeroForm)
{
    RunningSum cell;
    for (int i = 0; i < 10; ++i)
        cell.add("  0,10");
    EXPECT_EQ(cell.value(), 100);
    EXPECT_EQ(cell.text().trimmed(), "1,00");
    cell.add("-1,25");
    EXPECT_EQ(cell.text().trimmed(), "-,25");
}

// A nil sum is written "0,00" whatever amounts made it, and the sum goes on
// from zero.
TEST(RunningSum, AZeroSumShowsZeroWithItsCents)
{
    struct Case {
        const char *what;
        std::vector<std::string_view> amounts;
        Cents value;
        const char *text;
    };
    const Case cases[] = {
        {"a zero amount written without cents", {"0"}, 0, "0,00"},
        {"a zero amount written with them", {"   0,00"}, 0, "0,00"},
        {"a negative zero", {"-0"}, 0, "0,00"},
        {"an amount and its opposite", {" 12,00", "   -12,00"}, 0, "0,00"},
        {"the sum goes on from zero", {" 12,00", "   -12,00", "5"}, 500, "5,00"},
        {"a blank after the zero", {"12", "-12", ""}, 0, "0,00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        RunningSum cell;
        for (std::string_view amount : c.amounts)
            cell.add(amount);
        EXPECT_FALSE(cell.isEmpty());
        EXPECT_EQ(cell.value(), c.value);
        EXPECT_EQ(cell.text().trimmed(), QString::fromUtf8(c.text));
        EXPECT_EQ(cell.text(), forms::Rset(cell.text()));
    }
}

TEST(RunningSum, AnAmountThatIsNoNumberCountsAsZero)
{
    RunningSum cell;
    cell.add("abc");
    EXPECT_TRUE(cell.isEmpty());
    cell.add("2,50");
    cell.add("deux");
    EXPECT_EQ(cell.value(), 250);
    EXPECT_EQ(cell.text().trimmed(), "2,50");
}
