#include "entry/ui/MonthGridView.h"

#include <QHeaderView>
#include <QKeyEvent>

MonthGridView::MonthGridView(QWidget *parent)
    : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(10);
    verticalHeader()->setDefaultSectionSize(22);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setFocusPolicy(Qt::ClickFocus);
}

void MonthGridView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: emit modifyRequested(); return;
    case Qt::Key_Delete: emit deleteRequested(); return;
    case Qt::Key_Space: emit checkOffRequested(); return;
    case Qt::Key_F6: emit entryLineRequested(); return;
    default: break;
    }
    const int before = currentIndex().row();
    QTableView::keyPressEvent(event);
    if (currentIndex().row() != before)
        emit keyMovedRow();
}
