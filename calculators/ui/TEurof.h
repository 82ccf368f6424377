#pragma once

#include "platform/Platform.h"
#include "calculators/EuroConverter.h"

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

// "Euro convertisseur": converts an amount typed on its keypad or keyboard
// between francs and euros at an adjustable rate.
class TEurof final : public QDialog {
    Q_OBJECT
public:
    explicit TEurof(const Platform &platform, QWidget *parent = nullptr);

    QLabel *inputDisplay;
    QLabel *resultDisplay;
    QRadioButton *francsToEuros;   // "Fr>Euro"
    QRadioButton *eurosToFrancs;   // "Euro>Fr"
    QLineEdit *rateField;          // read-only
    QToolButton *rateUpButton;
    QToolButton *rateDownButton;
    std::array<QPushButton *, 10> digitButtons;
    QPushButton *commaButton;
    QPushButton *equalsButton;
    QPushButton *closeButton;      // "Fermer", also Escape

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showOutcome(const QString &message);
    void refresh();

    const Platform &platform_;
    EuroConverter converter_;
};
