#include "ledger/TextForms.h"

#include <gtest/gtest.h>

using namespace forms;

TEST(TextForms, AmountsReadWithCommaAndBlanks)
{
    EXPECT_EQ(parseAmount(std::string_view("      1234,50")), 123450);
    EXPECT_EQ(parseAmount(std::string_view("-12")), -1200);
    EXPECT_EQ(parseAmount(std::string_view("0,75")), 75);
    EXPECT_EQ(parseAmount(std::string_view(",5")), 50);
    EXPECT_FALSE(parseAmount(std::string_view("12.5")));
    EXPECT_FALSE(parseAmount(std::string_view("abc")));
    EXPECT_FALSE(parseAmount(std::string_view("")));
    EXPECT_FALSE(parseAmount(std::string_view("  ")));
    EXPECT_FALSE(parseAmount(std::string_view("-")));
    EXPECT_FALSE(parseAmount(std::string_view("1 000,00")));
}

TEST(TextForms, HalfCentsRoundAwayFromZero)
{
    EXPECT_EQ(parseAmount(std::string_view("1,005")), 101);
    EXPECT_EQ(parseAmount(std::string_view("-1,005")), -101);
    EXPECT_EQ(parseAmount(std::string_view("1,0049")), 100);
}

TEST(TextForms, AmountAndRunningSumForms)
{
    EXPECT_EQ(formatAmount(123450), "1234,50");
    EXPECT_EQ(formatAmount(75), "0,75");
    EXPECT_EQ(formatAmount(-1200), "-12,00");
    EXPECT_EQ(formatAmount(0), "0,00");
    EXPECT_EQ(formatRunningSum(50), ",50");
    EXPECT_EQ(formatRunningSum(-50), "-,50");
    EXPECT_EQ(formatRunningSum(0), ",00");
    EXPECT_EQ(formatRunningSum(123450), "1234,50");
}

TEST(TextForms, RsetPadsOnTheLeftAndReadersTrim)
{
    const QString aligned = Rset(QStringLiteral("1234,50"));
    EXPECT_TRUE(aligned.endsWith(QStringLiteral(" 1234,50")));
    EXPECT_EQ(aligned.trimmed(), "1234,50");
    EXPECT_EQ(Rset(QStringLiteral("   ")), "");
    EXPECT_GT(Rset(QStringLiteral("1,00")).size(), aligned.size());
    EXPECT_EQ(Rset(QStringLiteral("  12,00  ")), Rset(QStringLiteral("12,00")));
}

TEST(TextForms, DatesAndKeys)
{
    EXPECT_EQ(formatDate(QDate(2002, 3, 5)), "05/03/2002");
    EXPECT_EQ(parseDate(u"05/03/2002"), QDate(2002, 3, 5));
    EXPECT_EQ(parseDate(u"5/3/2002"), QDate(2002, 3, 5));
    EXPECT_FALSE(parseDate(u"31/04/2002").isValid());
    EXPECT_FALSE(parseDate(u"  /  /    ").isValid());
    EXPECT_FALSE(parseDate(u"05-03-2002").isValid());
    EXPECT_EQ(monthKey(2002, 3), "200203");
    EXPECT_EQ(dateKey(std::string_view("05/03/2002")), "20020305");
    EXPECT_EQ(monthName(2), QString::fromUtf8("Février"));
    EXPECT_EQ(monthName(8), QString::fromUtf8("Août"));
    EXPECT_EQ(monthName(13), "");
    EXPECT_EQ(monthCaption(monthName(3), 2002), "Mars 2002");
}

TEST(TextForms, TimesOfDayHaveTwoDigitsEach)
{
    EXPECT_EQ(formatTime(QTime(9, 5, 7)), "09:05:07");
    EXPECT_EQ(formatTime(QTime(23, 59, 59)), "23:59:59");
    EXPECT_EQ(formatTime(QTime(0, 0)), "00:00:00");
}

TEST(TextForms, ChampSuivantSplitsTabFields)
{
    QString line = QStringLiteral("a\tb\t\tc");
    EXPECT_EQ(ChampSuivant(line), "a");
    EXPECT_EQ(ChampSuivant(line), "b");
    EXPECT_EQ(ChampSuivant(line), "");
    EXPECT_EQ(ChampSuivant(line), "c");
    EXPECT_TRUE(line.isEmpty());

    QString longLine = QStringLiteral("x\t") + QString(300, u'y');
    ChampSuivant(longLine);
    EXPECT_EQ(longLine.size(), 255);
}

TEST(TextForms, AccountCompletion)
{
    EXPECT_EQ(completeAccount(QStringLiteral("411")), "411000");
    EXPECT_EQ(completeAccount(QStringLiteral("4")), "400000");
    EXPECT_EQ(completeAccount(QStringLiteral("41100099")), "411000");
    EXPECT_EQ(completeAccount(QString()), "00000");
}
