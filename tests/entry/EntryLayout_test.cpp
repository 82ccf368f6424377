#include "entry/EntryLayout.h"

#include <gtest/gtest.h>

TEST(EntryLayout, FieldsFollowTheWindowWidth)
{
    for (int w : {800, 1000, 1281}) {
        const EntryLayout l = EntryLayout::forSize(w, 600);
        EXPECT_EQ(l.Edit1.width(), w - 532);
        EXPECT_EQ(l.ComboBox2.left(), w - 358);
        EXPECT_EQ(l.Edit3.left(), w - 308);
        EXPECT_EQ(l.Edit4.left(), w - 254);
        EXPECT_EQ(l.Edit6.left(), w - 254);
        EXPECT_EQ(l.Edit5.left(), w - 152);
        EXPECT_EQ(l.Edit7.left(), w - 152);
        EXPECT_EQ(l.Header1.width(), w - 58);
        EXPECT_EQ(l.SpeedButton1.left(), w - 56);
        EXPECT_EQ(l.Label1.left(), w / 2 - 100);
        EXPECT_EQ(l.columnWidths[2], w - 528);
        // The fields of the entry line do not overlap, left to right.
        const QRect order[] = {l.MaskEdit1, l.ComboBox1, l.Edit1, l.ComboBox2, l.Edit3, l.Edit4, l.Edit5, l.SpeedButton1};
        for (std::size_t i = 1; i < std::size(order); ++i)
            EXPECT_LT(order[i - 1].right(), order[i].left()) << w << " field " << i;
        EXPECT_LT(l.StringGrid1.bottom(), l.Edit6.top());
        EXPECT_LE(l.Edit6.bottom(), 600);
    }
    const std::array<int, 8> fixed = EntryLayout::forSize(1000, 600).columnWidths;
    EXPECT_EQ(fixed[0] + fixed[1] + fixed[3] + fixed[4] + fixed[5] + fixed[6] + fixed[7], 478);
}

TEST(EntryLayout, ANarrowWindowKeepsTheLabelFieldVisible)
{
    const EntryLayout l = EntryLayout::forSize(300, 200);
    EXPECT_GT(l.Edit1.width(), 50);
    EXPECT_GT(l.StringGrid1.height(), 0);
}
