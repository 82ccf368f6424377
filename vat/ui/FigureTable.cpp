#include "vat/ui/FigureTable.h"

#include "ledger/ui/TextGridModel.h"

#include <QHeaderView>

FigureTable::FigureTable(const TextGrid &grid, const QSet<int> &amountColumns, QWidget *parent)
    : QTableView(parent)
{
    model_ = new TextGridModel(grid, true, this);
    model_->setAmountColumns(amountColumns);
    setModel(model_);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setHighlightSections(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
}

void FigureTable::refresh()
{
    model_->refresh();
}
