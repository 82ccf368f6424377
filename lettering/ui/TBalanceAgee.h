#pragma once

#include "lettering/AgedBalance.h"

#include <QDialog>
#include <functional>

class QDateEdit;
class QLineEdit;
class QPushButton;
class QTableWidget;

// "Balance âgée...": what the accounts beginning with a prefix (411, the
// customers, to begin with) still hold open at a date, by age; printed
// through the printer.
class TBalanceAgee : public QDialog {
    Q_OBJECT
public:
    using Compute = std::function<lettering::AgedBalance(QDate at, const QString &prefix)>;
    using Print = std::function<void(const lettering::AgedBalance &, QDate at)>;

    explicit TBalanceAgee(QWidget *parent = nullptr);

    // The date proposed, the prefix, and the way to the document.
    void Init(QDate at, const QString &prefix, Compute compute, Print print);

    QDateEdit *datePicker;
    QLineEdit *accountField;
    QPushButton *computeButton;
    QTableWidget *grid;
    QPushButton *printButton;
    QPushButton *closeButton;

private:
    void compute();

    Compute compute_;
    Print print_;
    lettering::AgedBalance balance_;
};
