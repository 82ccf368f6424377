#include "calculators/EuroConverter.h"

#include <gtest/gtest.h>

namespace {

// Types the keys one by one, as on the keyboard ("\r" is Enter).
QString typeKeys(EuroConverter &converter, const char *keys)
{
    QString messages;
    for (const char *k = keys; *k; ++k)
        messages += converter.type(QChar(*k));
    return messages;
}

QString converted(const char *amount, EuroConverter::Direction direction, qint64 rate = EuroConverter::officialRate)
{
    EuroConverter converter;
    converter.setRate(rate);
    converter.setDirection(direction);
    typeKeys(converter, amount);
    converter.convert();
    return converter.result();
}

constexpr auto toEuros = EuroConverter::Direction::FrancsToEuros;
constexpr auto toFrancs = EuroConverter::Direction::EurosToFrancs;

} // namespace

TEST(EuroConverter, ConvertsAtTheOfficialRate)
{
    const struct {
        const char *amount;
        EuroConverter::Direction direction;
        const char *result;
    } cases[] = {
        {"100", toEuros, "15,24"},   // 1524,49... hundredths
        {"6,55957", toEuros, "1"},
        {"1", toFrancs, "6,6"},      // francs to the tenth
        {"15,24", toFrancs, "100"},  // 99,9678...
        {"0", toEuros, "0"},
        {"1000000", toEuros, "152449,02"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(converted(c.amount, c.direction), QString::fromUtf8(c.result)) << c.amount;
}

TEST(EuroConverter, ExactHalvesRoundToTheEvenNeighbour)
{
    // At one franc for one euro the amount itself is rounded.
    const qint64 oneFranc = 100000;
    EXPECT_EQ(converted("0,125", toEuros, oneFranc), "0,12");
    EXPECT_EQ(converted("0,375", toEuros, oneFranc), "0,38");
    EXPECT_EQ(converted("0,25", toFrancs, oneFranc), "0,2");      // 2,5 tenths
    EXPECT_EQ(converted("0,75", toFrancs, oneFranc), "0,8");      // 7,5 tenths
}

TEST(EuroConverter, FullStopIsTheCommaAndOtherKeysAreIgnored)
{
    EuroConverter converter;
    typeKeys(converter, "1a0.5-");
    EXPECT_EQ(converter.input(), "10,5");
    EXPECT_EQ(converter.result(), "");
}

TEST(EuroConverter, TypingAfterAResultStartsANewAmount)
{
    EuroConverter converter;
    typeKeys(converter, "100\r");
    EXPECT_EQ(converter.input(), "100");
    EXPECT_EQ(converter.result(), "15,24");
    typeKeys(converter, "2");
    EXPECT_EQ(converter.input(), "2");
    EXPECT_EQ(converter.result(), "");

    // Enter again converts the same amount: switching the direction converts it back.
    typeKeys(converter, "\r");
    converter.setDirection(toFrancs);
    converter.convert();
    EXPECT_EQ(converter.input(), "2");
    EXPECT_EQ(converter.result(), "13,1");

    // The keypad clears a result the same way.
    converter.press(u'7');
    EXPECT_EQ(converter.input(), "7");
    EXPECT_EQ(converter.result(), "");
}

TEST(EuroConverter, NoNumberEmptiesBothDisplaysSilently)
{
    for (const char *keys : {"\r", ",\r", "1,,2\r"}) {
        EuroConverter converter;
        EXPECT_EQ(typeKeys(converter, keys), "") << keys;
        EXPECT_EQ(converter.input(), "") << keys;
        EXPECT_EQ(converter.result(), "") << keys;
        typeKeys(converter, "3");
        EXPECT_EQ(converter.input(), "3"); // the flag was cleared
    }
}

TEST(EuroConverter, AResultTooLargeIsSaid)
{
    EuroConverter converter;
    converter.setDirection(toFrancs);
    for (int i = 0; i < 305; ++i)
        converter.press(u'9');
    EXPECT_EQ(converter.convert(), QString::fromUtf8("Dépassement de capacité"));
    EXPECT_EQ(converter.input(), "");
}

TEST(EuroConverter, RateStepsByOneHundredThousandthAndHasAFloor)
{
    EuroConverter converter;
    EXPECT_EQ(converter.rateText(), "6,55957");
    converter.rateUp();
    EXPECT_EQ(converter.rateText(), "6,55958");
    converter.setRate(100000);
    EXPECT_EQ(converter.rateText(), "1");
    converter.setRate(2);
    converter.rateDown();
    EXPECT_EQ(converter.rateText(), "0,00001");
    converter.rateDown();
    EXPECT_EQ(converter.rate(), 1);
    EXPECT_EQ(converter.rateText(), "0,00001");
    converter.setRate(120000);
    EXPECT_EQ(converter.rateText(), "1,2");
}

TEST(EuroConverter, RatesAsTyped)
{
    const struct {
        const char16_t *text;
        std::optional<qint64> rate;
    } cases[] = {
        {u"6,55957", 655957}, {u"6.55957", 655957}, {u"1", 100000}, {u"0,00001", 1}, {u",5", 50000},
        {u"6,559571", std::nullopt}, {u"0", std::nullopt}, {u"0,000001", std::nullopt}, {u"", std::nullopt},
        {u"6,5,5", std::nullopt}, {u"-1", std::nullopt}, {u"abc", std::nullopt},
        {u"99999999999999999999", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EuroConverter::parseRate(c.text), c.rate) << QString::fromUtf16(c.text).toStdString();
}
