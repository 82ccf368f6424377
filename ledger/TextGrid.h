#pragma once

#include <QString>
#include <vector>

// A grid of text cells, the model behind every grid of the document window.
// Widgets show it; the rules of the ledger fill it. Cells are addressed
// (row, column).
class TextGrid {
public:
    TextGrid(int rows, int cols);

    int rowCount() const { return rows_; }
    int colCount() const { return cols_; }

    const QString &at(int row, int col) const { return cells_[std::size_t(row) * cols_ + col]; }
    QString &at(int row, int col) { return cells_[std::size_t(row) * cols_ + col]; }
    void set(int row, int col, const QString &text) { at(row, col) = text; }

    // The growth rule of every grid: 10 more rows whenever the row about to be
    // filled is the last row or beyond (row count - 2 < row). Never shrinks.
    void growFor(int row);
    void addRows(int count);

    // Empties the given columns of the rows from `firstRow` to the last.
    void clearRows(int firstRow, int firstCol = 0, int lastCol = -1);
    void clearRow(int row);
    void swapRows(int a, int b);
    // Rows from..last move up one row (row from-1 takes row from); row last is emptied.
    void moveRowsUp(int from, int last);

    // Bumped by every change a widget must show; lets views refresh lazily.
    unsigned version() const { return version_; }
    void touch() { ++version_; }

private:
    int rows_;
    int cols_;
    std::vector<QString> cells_;
    unsigned version_ = 0;
};
