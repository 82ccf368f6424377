#pragma once

#include "ledger/TextGrid.h"
#include "platform/Platform.h"
#include "calculators/Schedule.h"

#include <QDate>
#include <QDialog>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolButton;
class TextGridModel;

// The window shared by the loan and savings calculators: an amount, a rate,
// a duration and a monthly payment or deposit above a month-by-month table.
// The calculation itself is the logic's; the window reads its fields, shows
// the table and the messages, and takes today's date from the clock.
class ScheduleWindow : public QDialog {
    Q_OBJECT
public:
    using Calculator = CalculationOutcome (*)(const ScheduleFields &fields, QDate today);
    ~ScheduleWindow() override;

    // The words that differ between the two windows.
    struct Texts {
        QString caption;
        QString amountLabel;
        bool orBeforePayment = false; // "ou" between the duration and the payment
        QStringList columnTitles;
    };

    QLineEdit *amountField;
    QLineEdit *rateField;
    QSpinBox *durationField;
    QLineEdit *paymentField;
    QToolButton *computeButton; // "Calculer"
    QPushButton *closeButton;   // "Fermer"
    QTableView *scheduleView;

    const TextGrid &schedule() const { return grid_; }
    // Runs the calculation on what the fields hold.
    void calculate();

protected:
    ScheduleWindow(const Platform &platform, const Texts &texts, Calculator calculator, QWidget *parent);

    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const Platform &platform_;
    Calculator calculator_;
    TextGrid grid_;
    TextGridModel *model_;
};
