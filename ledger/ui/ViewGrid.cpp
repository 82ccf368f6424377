#include "ledger/ui/ViewGrid.h"

#include "ledger/ui/TextGridModel.h"

#include <QHeaderView>

ViewGrid::ViewGrid(const TextGrid &grid, const QSet<int> &amountColumns, QWidget *parent)
    : QTableView(parent)
{
    model_ = new TextGridModel(grid, true, this);
    model_->setAmountColumns(amountColumns);
    setModel(model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFocusPolicy(Qt::NoFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
}

void ViewGrid::refresh()
{
    model_->refresh();
}

void ViewGrid::setColumnWidths(const std::vector<int> &widths)
{
    for (std::size_t c = 0; c < widths.size(); ++c)
        setColumnWidth(int(c), widths[c]);
}
