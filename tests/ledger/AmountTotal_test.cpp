#include "ledger/AmountTotal.h"

#include <gtest/gtest.h>

TEST(AmountTotal, StaysWithinWhatTheReaderAccepts)
{
    AmountTotal total;
    total.add(forms::kMaxCents);
    EXPECT_TRUE(total.computed());
    EXPECT_EQ(total.text(), QStringLiteral("999999999999999,99"));
    total.add(-forms::kMaxCents);
    total.add(-forms::kMaxCents);
    EXPECT_TRUE(total.computed());
    total.add(-1);
    EXPECT_FALSE(total.computed());
    EXPECT_TRUE(total.text().isEmpty());
    total.add(1); // once lost, a total stays lost
    EXPECT_FALSE(total.computed());
    // Rounded to the cent, the largest text would need a sixteenth digit.
    EXPECT_EQ(forms::parseAmount(std::string_view("999999999999999,994")), forms::kMaxCents);
    EXPECT_FALSE(forms::parseAmount(std::string_view("999999999999999,995")));
}
