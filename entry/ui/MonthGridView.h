#pragma once

#include <QTableView>

// The month grid's view. Besides the clicks of a table it tells when a key
// moved the selection to another row (both count as a click on the row for
// the check-off), and turns the keys that act on the selected line into
// requests: Enter to modify it, Delete to delete it, Space to check it off,
// F6 to go back to the entry line.
class MonthGridView : public QTableView {
    Q_OBJECT
public:
    explicit MonthGridView(QWidget *parent = nullptr);

signals:
    void keyMovedRow();
    void modifyRequested();
    void deleteRequested();
    void checkOffRequested();
    void entryLineRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
