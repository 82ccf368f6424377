#pragma once

#include "ledger/TextGrid.h"

#include <QAbstractTableModel>
#include <QSet>
#include <functional>

// Shows a TextGrid of the logic in a Qt view. Amount columns are shown trimmed
// and right-aligned (the grid keeps the aligning blanks of the file form).
// A grid whose row 0 holds column titles shows that row as the header.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    TextGridModel(const TextGrid &grid, bool titleRow, QObject *parent = nullptr);

    void setAmountColumns(QSet<int> columns) { amountColumns_ = std::move(columns); }
    // Shows only the first `count` columns: the others are the logic's (the
    // month grid's lettering, which the entry page keeps without showing).
    void setShownColumns(int count) { shownColumns_ = count; }
    // Rows the logic sets apart (lines that may no longer change): a note for
    // a grid row, empty for the others. Such rows show greyed, the note as
    // their tooltip.
    void setRowNote(std::function<QString(int gridRow)> note) { rowNote_ = std::move(note); }
    // Re-reads the grid after the logic changed it.
    void refresh();
    // Grid row of a view row.
    int gridRow(int viewRow) const { return viewRow + (titleRow_ ? 1 : 0); }
    int viewRow(int gridRow) const { return gridRow - (titleRow_ ? 1 : 0); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const TextGrid &grid_;
    bool titleRow_;
    QSet<int> amountColumns_;
    std::function<QString(int)> rowNote_;
    int rows_ = 0;
    int shownColumns_ = -1; // every column
};
