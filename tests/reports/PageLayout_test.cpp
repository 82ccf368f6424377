#include "ledger/Fiche.h"
#include "reports/PageLayout.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace reports;

TEST(PageLayout, LabelColumnTakesWhatTheFixedColumnsLeave)
{
    EXPECT_EQ(columnWidths(Page::Journal, 1000), (std::vector<int>{82, 86, 472, 48, 52, 100, 100, 10}));
    EXPECT_EQ(columnWidths(Page::Comptes, 1000), columnWidths(Page::Journal, 1000));
    EXPECT_EQ(columnWidths(Page::General, 1000), (std::vector<int>{82, 86, 536, 48, 100, 100}));
    EXPECT_EQ(columnWidths(Page::Balance, 1000), (std::vector<int>{82, 470, 100, 100, 100, 100}));
    EXPECT_EQ(columnWidths(Page::Resultat, 1000), (std::vector<int>{377, 100, 377, 100}));
    EXPECT_EQ(columnWidths(Page::Bilan, 1001), (std::vector<int>{378, 100, 378, 100}));
    for (Page p : {Page::Journal, Page::General, Page::Balance}) {
        const std::vector<int> w = columnWidths(p, 1200);
        EXPECT_LE(std::accumulate(w.begin(), w.end(), 0), 1200 - 40);
    }
}

TEST(PageLayout, NarrowWindowsKeepAVisibleLabelColumn)
{
    EXPECT_GT(columnWidths(Page::Journal, 300)[2], 0);
    EXPECT_GT(columnWidths(Page::Resultat, 100)[0], 0);
}

TEST(PageLayout, TotalFieldsStandUnderTheAmountColumns)
{
    EXPECT_EQ(totalFieldLefts(Page::Journal, 1000), (std::vector<int>{746, 848}));
    EXPECT_EQ(totalFieldLefts(Page::General, 1000), (std::vector<int>{756, 858}));
    const std::vector<int> widths = columnWidths(Page::Balance, 1000);
    const std::vector<int> lefts = totalFieldLefts(Page::Balance, 1000);
    ASSERT_EQ(lefts.size(), 4u);
    int columnLeft = widths[0] + widths[1];
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(lefts[std::size_t(i)], columnLeft);
        EXPECT_LT(lefts[std::size_t(i)], columnLeft + widths[std::size_t(i) + 2]);
        columnLeft += widths[std::size_t(i) + 2];
    }
    EXPECT_TRUE(totalFieldLefts(Page::Resultat, 1000).empty());
    EXPECT_EQ(monthTitleLeft(1001), 400);
}
