#include "desk/Calendrier.h"

#include <gtest/gtest.h>

TEST(Calendrier, TitleIsTheMonthNameInSmallLettersTwoBlanksAndTheYear)
{
    EXPECT_EQ(calendrier::titre(QDate(2002, 3, 15)), "mars  2002");
    EXPECT_EQ(calendrier::titre(QDate(2004, 2, 29)), QString::fromUtf8("février  2004"));
    EXPECT_EQ(calendrier::titre(QDate(2001, 12, 1)), QString::fromUtf8("décembre  2001"));
    EXPECT_EQ(calendrier::titre(QDate(2002, 8, 31)), QString::fromUtf8("août  2002"));
}

TEST(Calendrier, MonthStepsKeepTheDayOrTakeTheMonthsLast)
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
        EXPECT_EQ(calendrier::moisPrecedent(c.from), c.previous) << c.from.toString().toStdString();
        EXPECT_EQ(calendrier::moisSuivant(c.from), c.next) << c.from.toString().toStdString();
    }
}
