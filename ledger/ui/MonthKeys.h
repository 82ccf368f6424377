#pragma once

#include <QObject>

class QWidget;

// Page Up and Page Down on a page of the document go to the document window,
// which moves to the previous or next month, whichever control has the focus:
// a combo or a date picker would otherwise take them to step through its own
// values.
class MonthKeys : public QObject {
    Q_OBJECT
public:
    MonthKeys(QWidget *window, QObject *parent);
    // Watches the widget and every child it has now.
    void watch(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *window_;
};
