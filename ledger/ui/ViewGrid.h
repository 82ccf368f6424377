#pragma once

#include <QSet>
#include <QTableView>
#include <vector>

class TextGrid;
class TextGridModel;

// The read-only grid of a view page or a window: row 0 of the text grid as
// column titles, whole-row selection, a vertical scroll bar, no keyboard focus.
class ViewGrid : public QTableView {
    Q_OBJECT
public:
    ViewGrid(const TextGrid &grid, const QSet<int> &amountColumns, QWidget *parent = nullptr);
    void refresh();
    void setColumnWidths(const std::vector<int> &widths);

private:
    TextGridModel *model_;
};
