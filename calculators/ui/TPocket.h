#pragma once

#include "platform/Platform.h"
#include "calculators/PocketCalculator.h"

#include <QDialog>
#include <map>

class QLabel;
class QPushButton;

// "Calculatrice": a pocket calculator worked with its buttons or the keyboard.
class TPocket final : public QDialog {
    Q_OBJECT
public:
    explicit TPocket(const Platform &platform, QWidget *parent = nullptr);

    QLabel *display;
    // The buttons, from "0" to "C"; "Fermer" apart.
    std::map<PocketCalculator::Button, QPushButton *> buttons;
    QPushButton *closeButton; // "Fermer", also Escape

    QPushButton *button(PocketCalculator::Button which) const { return buttons.at(which); }

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void press(PocketCalculator::Button which);

    const Platform &platform_;
    PocketCalculator calculator_;
};
