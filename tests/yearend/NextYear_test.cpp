#include "yearend/NextYear.h"

#include <gtest/gtest.h>

TEST(NextYear, FollowsOnTheNextDayAndLastsAsManyMonths)
{
    struct Case {
        QDate start, end, nextStart, nextEnd;
    };
    const Case cases[] = {
        {QDate(2025, 1, 1), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2026, 12, 31)},
        {QDate(2024, 7, 1), QDate(2025, 6, 30), QDate(2025, 7, 1), QDate(2026, 6, 30)},
        // A long first year gives a year as long.
        {QDate(2024, 7, 1), QDate(2025, 12, 31), QDate(2026, 1, 1), QDate(2027, 6, 30)},
        // Ending on the last day of February, leap year or not.
        {QDate(2023, 3, 1), QDate(2024, 2, 29), QDate(2024, 3, 1), QDate(2025, 2, 28)},
        // A year that does not start on a month's first day keeps its length in days.
        {QDate(2025, 1, 15), QDate(2026, 1, 14), QDate(2026, 1, 15), QDate(2027, 1, 14)},
    };
    for (const Case &c : cases) {
        const FiscalYear next = yearend::followingYear(FiscalYear{c.start, c.end, c.end});
        EXPECT_EQ(next.start, c.nextStart) << c.start.toString().toStdString();
        EXPECT_EQ(next.end, c.nextEnd) << c.start.toString().toStdString();
        EXPECT_EQ(next.closing, next.start); // open
        EXPECT_TRUE(next.validations.empty());
    }
}
