#include "entry/EntryLayout.h"

#include <gtest/gtest.h>

TEST(EntryLayout, FieldsStandSideBySideOverTheGrid)
{
    for (auto [w, h] : {std::pair{300, 200}, std::pair{800, 600}, std::pair{1281, 900}}) {
        const EntryLayout l = EntryLayout::forSize(w, h);
        const QRect order[] = {l.dateField, l.accountField, l.labelField, l.journalField, l.voucherField, l.debitField, l.creditField, l.postButton};
        for (std::size_t i = 1; i < std::size(order); ++i)
            EXPECT_LT(order[i - 1].right(), order[i].left()) << w << " field " << i;
        EXPECT_GT(l.labelField.width(), 50) << w;
        EXPECT_LT(l.labelField.bottom(), l.monthGrid.top());
        EXPECT_LT(l.monthGrid.bottom(), l.debitTotal.top());
        EXPECT_EQ(l.debitTotal.left(), l.debitField.left()) << "the totals stand under their amount fields";
        EXPECT_EQ(l.creditTotal.left(), l.creditField.left());
        int columns = 0;
        for (int c : l.columnWidths)
            columns += c;
        EXPECT_LE(columns, l.monthGrid.width() - 16) << "no horizontal scrolling beside the scroll bar";
    }
}
