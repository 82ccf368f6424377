#pragma once

#include "platform/Platform.h"
#include "desk/ClockFace.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

// "Horloge": the time and date on a black face, following the computer's
// clock every second, and the means of setting that clock.
class THorloge final : public QDialog {
    Q_OBJECT
public:
    explicit THorloge(const Platform &platform, QWidget *parent = nullptr);

    QLabel *timeDisplay;
    QLabel *dateDisplay;
    // "Hr", "Mn", "Jo", "Mo", "An": the part the arrows change.
    std::array<QRadioButton *, 5> partButtons;
    QToolButton *upArrow;
    QToolButton *downArrow;
    QPushButton *setButton;   // "Set"
    QPushButton *closeButton; // "Fermer", also Escape
    QTimer *timer;

    // One second of the timer: the clock as it is now.
    void tick();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setClicked();
    void arrowClicked(ClockFace::Arrow arrow);
    // Shows the model's texts and runs the timer exactly while the clock runs.
    void refresh();

    const Platform &platform_;
    ClockFace face_;
};
