#include "calculators/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace numbers;

TEST(NumberText, TypedNumbersUseTheDecimalComma)
{
    const struct {
        const char16_t *text;
        double value;
    } good[] = {
        {u"10000", 10000}, {u"6,5", 6.5}, {u",5", 0.5}, {u"5,", 5}, {u"  12,25 ", 12.25},
        {u"-3", -3}, {u"+3", 3}, {u"1E-5", 1e-5}, {u"1,5e3", 1500}, {u"1E15", 1e15}, {u"0", 0},
    };
    for (const auto &c : good) {
        const std::optional<double> value = parse(c.text);
        ASSERT_TRUE(value) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(*value, c.value) << QString::fromUtf16(c.text).toStdString();
    }
    for (const char16_t *bad : {u"", u"  ", u",", u"1,,2", u"1,2,3", u"12.5", u"1 000", u"abc", u"-", u"1E", u"E5",
                                u"1e+", u"5x", u"1E400"})
        EXPECT_FALSE(parse(bad)) << QString::fromUtf16(bad).toStdString();
    EXPECT_FALSE(parse(QString(400, u'9'))); // beyond what a double holds
}

TEST(NumberText, GeneralFormKeepsFifteenSignificantDigits)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {1.0 / 3, "0,333333333333333"},
        {0.1 + 0.2, "0,3"},
        {3.05, "3,05"},
        {20, "20"},
        {400, "400"},
        {-2.5, "-2,5"},
        {0, "0"},
        {-0.0, "0"},
        {1524 * 0.01, "15,24"},
        {66 * 0.1, "6,6"},
        {2.0 / 3, "0,666666666666667"},
        {123456789012345, "123456789012345"},
        {999999999999999.9, "1E15"},
        {1e15, "1E15"},
        {1.5e20, "1,5E20"},
        {0.0001, "0,0001"},
        {0.00001, "1E-5"},
        {-1.5e-7, "-1,5E-7"},
        {std::sqrt(2.0), "1,4142135623731"}, // 1,41421356237310 without its trailing zero
    };
    for (const auto &c : cases)
        EXPECT_EQ(general(c.value), QString::fromUtf8(c.text)) << c.text;
}

TEST(NumberText, FixedFormRoundsHalvesAwayFromZero)
{
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {860.6643, "860,66"},
        {0.125, "0,13"},  // exactly half a cent
        {-0.125, "-0,13"},
        {0.375, "0,38"},
        {1.005, "1,00"},  // the double is just below the half
        {2.675, "2,67"},
        {0.0049, "0,00"},
        {-0.001, "0,00"},
        {10327.97, "10327,97"},
        {1e16, "10000000000000000,00"},
        {1e20, "1E20"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fixed2(c.value), QString::fromUtf8(c.text)) << c.text;
}
