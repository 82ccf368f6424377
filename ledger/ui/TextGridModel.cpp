#include "ledger/ui/TextGridModel.h"

#include <QBrush>
#include <QColor>
#include <algorithm>

TextGridModel::TextGridModel(const TextGrid &grid, bool titleRow, QObject *parent)
    : QAbstractTableModel(parent), grid_(grid), titleRow_(titleRow)
{
    rows_ = grid_.rowCount() - (titleRow_ ? 1 : 0);
}

// A reset would drop the view's selection, scroll position and the press a
// double-click is being made of; the grid only ever grows, so rows are added
// and cells redrawn instead.
void TextGridModel::refresh()
{
    const int rows = grid_.rowCount() - (titleRow_ ? 1 : 0);
    if (rows < rows_) {
        beginResetModel();
        rows_ = rows;
        endResetModel();
        return;
    }
    if (rows > rows_) {
        beginInsertRows({}, rows_, rows - 1);
        rows_ = rows;
        endInsertRows();
    }
    if (rows_ > 0)
        emit dataChanged(index(0, 0), index(rows_ - 1, columnCount() - 1));
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int TextGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : rows_;
}

int TextGridModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return shownColumns_ < 0 ? grid_.colCount() : std::min(shownColumns_, grid_.colCount());
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = gridRow(index.row());
    if (row >= grid_.rowCount())
        return {};
    const bool amount = amountColumns_.contains(index.column());
    if (role == Qt::DisplayRole) {
        const QString &text = grid_.at(row, index.column());
        return amount ? text.trimmed() : text;
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter) | (amount ? Qt::AlignRight : Qt::AlignLeft));
    if (rowNote_ && (role == Qt::ForegroundRole || role == Qt::BackgroundRole || role == Qt::ToolTipRole)) {
        const QString note = rowNote_(row);
        if (note.isEmpty())
            return {};
        if (role == Qt::ToolTipRole)
            return note;
        return QBrush(role == Qt::ForegroundRole ? QColor(96, 96, 96) : QColor(232, 232, 232));
    }
    return {};
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !titleRow_)
        return {};
    if (role == Qt::DisplayRole)
        return grid_.at(0, section);
    if (role == Qt::TextAlignmentRole && amountColumns_.contains(section))
        return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter | Qt::AlignRight));
    return {};
}
