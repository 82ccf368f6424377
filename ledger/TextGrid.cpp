#include "ledger/TextGrid.h"

#include <utility>

TextGrid::TextGrid(int rows, int cols)
    : rows_(rows), cols_(cols), cells_(std::size_t(rows) * cols)
{
}

void TextGrid::growFor(int row)
{
    while (rows_ - 2 < row)
        addRows(10);
}

void TextGrid::addRows(int count)
{
    rows_ += count;
    cells_.resize(std::size_t(rows_) * cols_);
    touch();
}

void TextGrid::clearRows(int firstRow, int firstCol, int lastCol)
{
    if (lastCol < 0 || lastCol >= cols_)
        lastCol = cols_ - 1;
    // resize(0) rather than clear(): the grid is refilled at once, and
    // keeping each cell's storage spares a free and an allocation per cell.
    for (int r = firstRow; r < rows_; ++r)
        for (int c = firstCol; c <= lastCol; ++c)
            at(r, c).resize(0);
    touch();
}

void TextGrid::clearRow(int row)
{
    for (int c = 0; c < cols_; ++c)
        at(row, c).clear();
    touch();
}

void TextGrid::swapRows(int a, int b)
{
    for (int c = 0; c < cols_; ++c)
        std::swap(at(a, c), at(b, c));
    touch();
}

void TextGrid::moveRowsUp(int from, int last)
{
    for (int r = from; r <= last; ++r)
        for (int c = 0; c < cols_; ++c)
            at(r - 1, c) = std::move(at(r, c));
    clearRow(last);
}
