#include "entry/DateText.h"

#include <gtest/gtest.h>

using namespace datetext;

TEST(DateText, CompletesWhatWasLeftOut)
{
    const QDate today(2002, 3, 15);
    EXPECT_EQ(complete(QStringLiteral("  /  /    "), today, 7, 2003), "15/03/2002");
    EXPECT_EQ(complete(QString(), today, 7, 2003), "15/03/2002");
    EXPECT_EQ(complete(QStringLiteral("09/  /    "), today, 7, 2003), "09/07/2003");
    EXPECT_EQ(complete(QStringLiteral("09/11/    "), today, 7, 2003), "09/11/2003");
    EXPECT_EQ(complete(QStringLiteral("09/  /2001"), today, 7, 2003), "09/07/2001");
    EXPECT_EQ(complete(QStringLiteral("09/11/2001"), today, 7, 2003), "09/11/2001");
    // A blank first digit of the month or year counts as a month or year left out.
    EXPECT_EQ(complete(QStringLiteral("09/ 4/    "), today, 7, 2003), "09/07/2003");
    EXPECT_EQ(complete(QStringLiteral("09/04/ 999"), today, 7, 2003), "09/04/2003");
}

TEST(DateText, CheckUsesTheLeapRuleWithoutCenturies)
{
    EXPECT_TRUE(VerifDate(QStringLiteral("29/02/1900")));
    EXPECT_TRUE(VerifDate(QStringLiteral("29/02/2000")));
    EXPECT_TRUE(VerifDate(QStringLiteral("29/02/2004")));
    EXPECT_FALSE(VerifDate(QStringLiteral("29/02/2001")));
    EXPECT_TRUE(VerifDate(QStringLiteral("28/02/2001")));
    EXPECT_TRUE(VerifDate(QStringLiteral("30/04/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("31/04/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("31/11/2002")));
    EXPECT_TRUE(VerifDate(QStringLiteral("31/12/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("32/01/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("00/03/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("15/00/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("15/13/2002")));
}

TEST(DateText, NumbersMayLeadWithBlanksButNotTrailThem)
{
    EXPECT_TRUE(VerifDate(QStringLiteral("15/ 3/2002")));
    EXPECT_TRUE(VerifDate(QStringLiteral("15/03/ 202")));
    EXPECT_FALSE(VerifDate(QStringLiteral("1 /03/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("15/3 /2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("15/03/200 ")));
    EXPECT_FALSE(VerifDate(QStringLiteral("  /03/2002")));
    EXPECT_FALSE(VerifDate(QStringLiteral("ab/03/2002")));
    EXPECT_FALSE(VerifDate(QString()));
}

TEST(DateText, StoredDatesAreExactlyDayMonthYear)
{
    EXPECT_EQ(toDate(QStringLiteral("05/03/2002")), QDate(2002, 3, 5));
    // The field's check lets 29 February 1900 through; the calendar does not.
    EXPECT_FALSE(toDate(QStringLiteral("29/02/1900")));
    EXPECT_FALSE(toDate(QStringLiteral("31/04/2002")));
    EXPECT_FALSE(toDate(QStringLiteral("5/03/2002")));
    EXPECT_FALSE(toDate(QStringLiteral("15/ 3/2002")));
    EXPECT_FALSE(toDate(QStringLiteral("  /  /    ")));
    EXPECT_FALSE(toDate(QStringLiteral("15-03-2002")));
}
