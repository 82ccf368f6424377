#include "reports/PageLayout.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace reports;

TEST(PageLayout, LabelColumnTakesWhatTheFixedColumnsLeave)
{
    EXPECT_EQ(columnWidths(View::Journal, 1000), (std::vector<int>{82, 86, 472, 48, 52, 100, 100, 10}));
    EXPECT_EQ(columnWidths(View::Comptes, 1000), columnWidths(View::Journal, 1000));
    EXPECT_EQ(columnWidths(View::General, 1000), (std::vector<int>{82, 86, 536, 48, 100, 100}));
    EXPECT_EQ(columnWidths(View::Balance, 1000), (std::vector<int>{82, 470, 100, 100, 100, 100}));
    EXPECT_EQ(columnWidths(View::Resultat, 1000), (std::vector<int>{377, 100, 377, 100}));
    EXPECT_EQ(columnWidths(View::Bilan, 1001), (std::vector<int>{278, 100, 100, 100, 278, 100}));
    for (View p : {View::Journal, View::General, View::Balance, View::Bilan}) {
        const std::vector<int> w = columnWidths(p, 1200);
        EXPECT_LE(std::accumulate(w.begin(), w.end(), 0), 1200 - 40);
    }
}

TEST(PageLayout, NarrowWindowsKeepAVisibleLabelColumn)
{
    EXPECT_GT(columnWidths(View::Journal, 300)[2], 0);
    EXPECT_GT(columnWidths(View::Resultat, 100)[0], 0);
}

TEST(PageLayout, TotalFieldsStandUnderTheAmountColumns)
{
    EXPECT_EQ(totalFieldLefts(View::Journal, 1000), (std::vector<int>{746, 848}));
    EXPECT_EQ(totalFieldLefts(View::General, 1000), (std::vector<int>{756, 858}));
    const std::vector<int> widths = columnWidths(View::Balance, 1000);
    const std::vector<int> lefts = totalFieldLefts(View::Balance, 1000);
    ASSERT_EQ(lefts.size(), 4u);
    int columnLeft = widths[0] + widths[1];
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(lefts[std::size_t(i)], columnLeft);
        EXPECT_LT(lefts[std::size_t(i)], columnLeft + widths[std::size_t(i) + 2]);
        columnLeft += widths[std::size_t(i) + 2];
    }
    EXPECT_TRUE(totalFieldLefts(View::Resultat, 1000).empty());
    EXPECT_EQ(monthTitleLeft(1001), 400);
}
