#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;

// "Exercice en cours": the start and end of the fiscal year, and the closing
// date shown for information.
class TExer : public QDialog {
    Q_OBJECT
public:
    explicit TExer(QWidget *parent = nullptr);

    void Init(QDate start, QDate end, QDate closing);
    void Result(QDate &start, QDate &end) const;
    bool confirmed() const { return confirmed_; }

    QDateEdit *startPicker;
    QDateEdit *endPicker;
    QDateEdit *closingPicker;
    QPushButton *cancelButton;
    QPushButton *okButton;

private:
    void cancelClicked();
    void okClicked();

    bool confirmed_ = false;
};
