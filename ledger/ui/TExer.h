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

    void Init(QDate debut, QDate fin, QDate cloture);
    void Result(QDate &debut, QDate &fin) const;
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
