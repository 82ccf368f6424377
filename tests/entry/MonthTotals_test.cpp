#include "entry/MonthTotals.h"

#include <gtest/gtest.h>

namespace {

TextGrid monthOf(const std::vector<std::pair<const char *, const char *>> &amounts)
{
    TextGrid grid(32, 8);
    for (std::size_t row = 0; row < amounts.size(); ++row) {
        grid.set(int(row), 5, QString::fromUtf8(amounts[row].first));
        grid.set(int(row), 6, QString::fromUtf8(amounts[row].second));
    }
    return grid;
}

} // namespace

TEST(MonthTotals, BalancedWhenTheDebitsEqualTheCredits)
{
    const struct {
        std::vector<std::pair<const char *, const char *>> amounts;
        bool balanced;
    } cases[] = {
        {{}, true},                                          // an empty month
        {{{"  120,00", ""}, {"", "   120,00"}}, true},       // amounts written differently, same sum
        {{{"120", ""}, {"", "100"}, {"", "20,00"}}, true},   // several lines make up the sum
        {{{"120,00", ""}, {"", "119,99"}}, false},           // a cent apart
        {{{"120,00", ""}, {"", "abc"}}, true},               // no totals: nothing to compare
    };
    for (const auto &c : cases)
        EXPECT_EQ(monthTotals(monthOf(c.amounts)).balanced, c.balanced) << c.amounts.size();
}
