#include "reports/RunningSum.h"

#include <gtest/gtest.h>

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

TEST(RunningSum, ZeroSumTakesTheAmountTextUnchangedAndItsValue)
{
    RunningSum cell;
    cell.add(" 12,00");
    cell.add("   -12,00");
    EXPECT_EQ(cell.text(), "   -12,00");
    EXPECT_EQ(cell.value(), -1200);
    cell.add("");
    // A blank amount rewrites a non-zero cell in the sum form.
    EXPECT_EQ(cell.text().trimmed(), "-12,00");
    EXPECT_NE(cell.text(), "   -12,00");
}

TEST(RunningSum, AZeroAmountOnAnEmptyCellShowsThatAmount)
{
    RunningSum cell;
    cell.add("0,00");
    EXPECT_FALSE(cell.isEmpty());
    EXPECT_EQ(cell.text(), "0,00");
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
