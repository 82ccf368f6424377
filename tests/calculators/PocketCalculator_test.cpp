#include "calculators/PocketCalculator.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// Presses the buttons of the keys typed ("s" square root, "x" reciprocal,
// "c" clear); gives the messages shown, joined by "|".
QString keys(PocketCalculator &calculator, const char *typed)
{
    QStringList messages;
    for (const char *k = typed; *k; ++k) {
        const std::optional<PocketCalculator::Button> button = PocketCalculator::buttonForKey(QChar(*k));
        EXPECT_TRUE(button) << *k;
        if (!button)
            continue;
        const QString message = calculator.press(*button);
        if (!message.isEmpty())
            messages.append(message);
    }
    return messages.join(u'|');
}

QString shown(const char *typed)
{
    PocketCalculator calculator;
    keys(calculator, typed);
    return calculator.display();
}

} // namespace

TEST(PocketCalculator, WorksLeftToRight)
{
    const struct {
        const char *typed;
        const char *display;
    } cases[] = {
        {"1/3=", "0,333333333333333"},
        {"0,1+0,2=", "0,3"},
        {"0.1+0.2=", "0,3"},
        {"3,05+0=", "3,05"},
        {"2+3*", "5"},
        {"2+3*4=", "20"},       // no precedence
        {"2+3*4==", "400"},     // "=" repeats the pending operation with the shown value
        {"2++", "4"},
        {"10-4-", "6"},
        {"12=", "12"},          // the first number stays as typed
        {"16s", "4"},
        {"16s+1=", "5"},
        {"4x", "0,25"},
        {"8/2=,5", "5"},        // "," after a result is lost
        {"5+,5=", "10"},        // so is "," right after an operator
    };
    for (const auto &c : cases)
        EXPECT_EQ(shown(c.typed), QString::fromUtf8(c.display)) << c.typed;
}

TEST(PocketCalculator, DisplayTakesAtMostFifteenDigits)
{
    EXPECT_EQ(shown("12345678901234567"), "123456789012345");
    EXPECT_EQ(shown("1,23456789012345678"), "1,23456789012345");
    EXPECT_EQ(shown("123456789012345+1"), "1");
}

TEST(PocketCalculator, FirstEvaluationOfNoNumberEmptiesTheDisplay)
{
    PocketCalculator calculator;
    EXPECT_EQ(keys(calculator, ",+"), "");
    EXPECT_EQ(calculator.display(), "");
    EXPECT_EQ(keys(calculator, "2="), ""); // still the first number
    EXPECT_EQ(calculator.display(), "2");
}

TEST(PocketCalculator, ErrorsLeaveTheStateAsItWas)
{
    PocketCalculator calculator;
    EXPECT_EQ(keys(calculator, "5/0="), QString::fromUtf8("Division par zéro"));
    EXPECT_EQ(calculator.display(), "0");
    EXPECT_EQ(keys(calculator, "2="), ""); // 5 / 2: accumulator and operator kept
    EXPECT_EQ(calculator.display(), "2,5");

    EXPECT_EQ(keys(calculator, "0x"), QString::fromUtf8("Division par zéro"));
    EXPECT_EQ(keys(calculator, "c5-9=s"), QString::fromUtf8("Racine carrée d'un nombre négatif"));
    EXPECT_EQ(calculator.display(), "-4");
    EXPECT_EQ(keys(calculator, "c1+2,,3="), QString::fromUtf8("Nombre invalide : 2,,3"));
    EXPECT_EQ(calculator.display(), "2,,3");
    EXPECT_EQ(keys(calculator, "x"), QString::fromUtf8("Nombre invalide : 2,,3"));

    // "C" after an error restores the start state: the next number is a first one.
    EXPECT_EQ(keys(calculator, "c"), "");
    EXPECT_EQ(calculator.display(), "");
    EXPECT_EQ(shown("5/0=c7="), "7");
}

TEST(PocketCalculator, OverflowIsSaid)
{
    // Squaring 999999999999999 four times gives about 1E240; once more is too much.
    PocketCalculator calculator;
    EXPECT_EQ(keys(calculator, "999999999999999*===="), "");
    const QString last = calculator.display();
    EXPECT_TRUE(last.endsWith(QStringLiteral("E239"))) << last.toStdString();
    EXPECT_EQ(keys(calculator, "="), QString::fromUtf8("Dépassement de capacité"));
    EXPECT_EQ(calculator.display(), last);
}

TEST(PocketCalculator, KeysStandForButtons)
{
    using B = PocketCalculator::Button;
    const struct {
        char key;
        std::optional<B> button;
    } cases[] = {
        {'0', B::Digit0}, {'9', B::Digit9}, {',', B::Comma}, {'.', B::Comma}, {'+', B::Plus}, {'-', B::Minus},
        {'*', B::Times}, {'/', B::Divide}, {'=', B::Equals}, {'C', B::Clear}, {'c', B::Clear},
        {'S', B::SquareRoot}, {'s', B::SquareRoot}, {'X', B::Reciprocal}, {'x', B::Reciprocal},
        {'a', std::nullopt}, {' ', std::nullopt}, {'\r', std::nullopt}, {'%', std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PocketCalculator::buttonForKey(QChar(c.key)), c.button) << c.key;
}
