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

// The voucher column takes the month's longest voucher from the label's
// room, and no more than leaves the label its narrowest width.
TEST(EntryLayout, TheVoucherWidensToItsLongestWithinTheWidth)
{
    struct Case {
        int w;
        int voucher; // the longest voucher, in pixels
        int shown;   // the voucher field and column
    };
    const Case cases[] = {
        {800, 0, 52},     // no voucher: the usual width
        {800, 40, 52},    // a short one: never narrower
        {800, 90, 90},    // "F2026-0042"
        {800, 400, 170},  // as far as the label keeps 150 pixels
        {640, 90, 52},    // the narrowest window leaves no room
        {1281, 400, 400}, // a wide window takes it whole
    };
    for (const Case &c : cases) {
        const EntryLayout usual = EntryLayout::forSize(c.w, 600);
        const EntryLayout l = EntryLayout::forSize(c.w, 600, c.voucher);
        EXPECT_EQ(l.voucherField.width(), c.shown) << c.w << ' ' << c.voucher;
        EXPECT_EQ(l.columnWidths[4], c.shown) << c.w << ' ' << c.voucher;
        EXPECT_EQ(l.voucherField.right(), usual.voucherField.right()) << "the amounts stay where they were";
        EXPECT_EQ(l.labelField.width() + l.voucherField.width(), usual.labelField.width() + usual.voucherField.width());
        EXPECT_EQ(l.columnWidths[2] + l.columnWidths[4], usual.columnWidths[2] + usual.columnWidths[4]);
        EXPECT_GE(l.labelField.width(), std::min(150, usual.labelField.width()));
        EXPECT_LT(l.journalField.right(), l.voucherField.left());
    }
}
