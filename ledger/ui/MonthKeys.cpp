#include "ledger/ui/MonthKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

MonthKeys::MonthKeys(QWidget *window, QObject *parent)
    : QObject(parent), window_(window)
{
}

void MonthKeys::watch(QWidget *widget)
{
    widget->installEventFilter(this);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->installEventFilter(this);
}

bool MonthKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(window_, event);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
