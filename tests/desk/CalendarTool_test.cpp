#include "desk/CalendarTool.h"

#include <gtest/gtest.h>

TEST(CalendarTool, TitleIsTheMonthNameInSmallLettersTwoBlanksAndTheYear)
{
    EXPECT_EQ(calendartool::title(QDate(2002, 3, 15)), "mars  2002");
    EXPECT_EQ(calendartool::title(QDate(2004, 2, 29)), QString::fromUtf8("février  2004"));
    EXPECT_EQ(calendartool::title(QDate(2001, 12, 1)), QString::fromUtf8("décembre  2001"));
    EXPECT_EQ(calendartool::title(QDate(2002, 8, 31)), QString::fromUtf8("août  2002"));
}

TEST(CalendarTool, MonthStepsKeepTheDayOrTakeTheMonthsLast)
{
    const struct {
        QDate from;
        QDate previous;
        QDate next;
    } cases[] = {
        {QDate(2002, 1, 31), QDate(2001, 12, 31), QDate(2002, 2, 28)},
        {QDate(2004, 1, 31), QDate(2003, 12, 31), QDate(2004, 2, 29)},
        {QDate(2002, 3, 31), QDate(2002, 2, 28), QDate(2002, 4, 30)},
        {QDate(2002, 1, 15), QDate(2001, 12, 15), QDate(2002, 2, 15)},
        {QDate(2001, 12, 31), QDate(2001, 11, 30), QDate(2002, 1, 31)},
        {QDate(2004, 2, 29), QDate(2004, 1, 29), QDate(2004, 3, 29)},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(calendartool::previousMonth(c.from), c.previous) << c.from.toString().toStdString();
        EXPECT_EQ(calendartool::nextMonth(c.from), c.next) << c.from.toString().toStdString();
    }
}

TEST(CalendarTool, ArrowStepsStayWithinTheMonth)
{
    const struct {
        QDate from;
        int days;
        QDate to;
    } cases[] = {
        {QDate(2002, 3, 15), 1, QDate(2002, 3, 16)},  // inside the month
        {QDate(2002, 3, 31), 1, QDate(2002, 3, 31)},  // the last day stays
        {QDate(2002, 3, 28), 7, QDate(2002, 3, 31)},  // a week down stops at the last day
        {QDate(2002, 3, 1), -1, QDate(2002, 3, 1)},   // the first day stays
        {QDate(2002, 3, 3), -7, QDate(2002, 3, 1)},   // a week up stops at the first day
        {QDate(2004, 2, 27), 7, QDate(2004, 2, 29)},  // a leap February's last day
    };
    for (const auto &c : cases)
        EXPECT_EQ(calendartool::dayWithinMonth(c.from, c.days), c.to) << c.from.toString().toStdString();
}
