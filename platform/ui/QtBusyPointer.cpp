#include "platform/ui/QtBusyPointer.h"

#include <QApplication>

void QtBusyPointer::begin()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyPointer::end()
{
    QApplication::restoreOverrideCursor();
}
