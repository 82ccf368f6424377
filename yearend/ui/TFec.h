#pragma once

#include <QDialog>

struct Platform;
class QLineEdit;
class QPushButton;

// "FEC (contrôle fiscal)": the SIREN of the business, checked when the user
// confirms it; the dialog stays open while it is not a SIREN.
class TFec : public QDialog {
    Q_OBJECT
public:
    TFec(const Platform &platform, QWidget *parent = nullptr);

    void Init(const QString &siren);
    // The SIREN typed, without the blanks that group its digits.
    QString Result() const;

    QLineEdit *sirenField;
    QPushButton *cancelButton;
    QPushButton *okButton;

private:
    void okClicked();

    const Platform &platform_;
};
