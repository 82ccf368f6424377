#pragma once

#include <QTableView>

// The month grid's view. Besides the clicks of a table it tells when a key
// moved the selection to another row: both count as a click on the row for
// the check-off.
class MonthGridView : public QTableView {
    Q_OBJECT
public:
    explicit MonthGridView(QWidget *parent = nullptr);

signals:
    void keyMovedRow();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
