#pragma once

#include <QSet>
#include <QTableView>

class TextGrid;
class TextGridModel;

// A read-only table of a grid the return's rules fill: row 0 as column
// titles, amounts right-aligned, whole-row selection, no editing.
class FigureTable : public QTableView {
    Q_OBJECT
public:
    FigureTable(const TextGrid &grid, const QSet<int> &amountColumns, QWidget *parent = nullptr);
    // Shows the grid again after the rules changed it.
    void refresh();

private:
    TextGridModel *model_;
};
