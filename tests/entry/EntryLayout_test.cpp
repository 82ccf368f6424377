#include "entry/EntryLayout.h"

#include <gtest/gtest.h>

TEST(EntryLayout, FieldsStandSideBySideOverTheGrid)
{
    for (auto [w, h] : {std::pair{300, 200}, std::pair{800, 600}, std::pair{1281, 900}}) {
        const EntryLayout l = EntryLayout::forSize(w, h);
        const QRect order[] = {l.MaskEdit1, l.ComboBox1, l.Edit1, l.ComboBox2, l.Edit3, l.Edit4, l.Edit5, l.SpeedButton1};
        for (std::size_t i = 1; i < std::size(order); ++i)
            EXPECT_LT(order[i - 1].right(), order[i].left()) << w << " field " << i;
        EXPECT_GT(l.Edit1.width(), 50) << w;
        EXPECT_LT(l.Edit1.bottom(), l.StringGrid1.top());
        EXPECT_LT(l.StringGrid1.bottom(), l.Edit6.top());
        EXPECT_EQ(l.Edit6.left(), l.Edit4.left()) << "the totals stand under their amount fields";
        EXPECT_EQ(l.Edit7.left(), l.Edit5.left());
        int columns = 0;
        for (int c : l.columnWidths)
            columns += c;
        EXPECT_LE(columns, l.StringGrid1.width() - 16) << "no horizontal scrolling beside the scroll bar";
    }
}
