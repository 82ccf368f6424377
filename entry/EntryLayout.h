#pragma once

#include <QRect>
#include <QSize>
#include <array>

// Where the controls of the entry page stand in a document window of width w
// and height h: the fields of the entry line sit above the month grid's
// columns they fill, the label field and column taking what the width leaves.
struct EntryLayout {
    static EntryLayout forSize(int w, int h);
    // Below this size the entry line or the totals would no longer stand whole.
    static QSize minimumSize();

    QRect columnTitles;
    QRect dateField, accountField, labelField, journalField, voucherField, debitField, creditField, postButton;
    QRect monthGrid;
    QRect monthCaption, debitTotal, creditTotal;
    std::array<int, 8> columnWidths{}; // month grid columns 0 to 7
};
