#pragma once

#include <QRect>
#include <array>

// Where the controls of the entry page stand in a document window of width w
// and height h: the fields of the entry line sit above the month grid's
// columns they fill, the label field and column taking what the width leaves.
struct EntryLayout {
    static EntryLayout forSize(int w, int h);

    QRect Header1;
    QRect MaskEdit1, ComboBox1, Edit1, ComboBox2, Edit3, Edit4, Edit5, SpeedButton1;
    QRect StringGrid1;
    QRect Label1, Edit6, Edit7;
    std::array<int, 8> columnWidths{}; // month grid columns 0 to 7
};
