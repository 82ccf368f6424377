#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QPushButton;

// "Valider les écritures": the day up to which the entries become final.
class TValidation : public QDialog {
    Q_OBJECT
public:
    explicit TValidation(QWidget *parent = nullptr);

    // The day proposed, and the fiscal year the picker keeps to.
    void Init(QDate proposed, QDate start, QDate end);
    QDate Result() const;

    QDateEdit *datePicker;
    QPushButton *cancelButton;
    QPushButton *okButton;
};
