#pragma once

#include <QRect>
#include <QSize>
#include <array>

// Where the controls of the entry page stand in a document window of width w
// and height h: the fields of the entry line sit above the month grid's
// columns they fill, the label field and column taking what the width leaves.
struct EntryLayout {
    // The voucher's field and column are `voucherWidth` wide (the month's
    // longest voucher, in pixels) but never narrower than their usual 52
    // pixels, and widen only as far as the label keeps its narrowest width.
    static EntryLayout forSize(int w, int h, int voucherWidth = 0);
    // Below this size the entry line or the totals would no longer stand whole.
    static QSize minimumSize();

    QRect columnTitles;
    QRect dateField, accountField, labelField, journalField, voucherField, debitField, creditField, postButton;
    QRect monthGrid;
    QRect monthCaption, debitTotal, creditTotal;
    std::array<int, 8> columnWidths{}; // month grid columns 0 to 7
};
