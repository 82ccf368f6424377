#pragma once

#include "platform/Platform.h"

#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;

// "Calendrier": the month of a date, opened on today's date, with the month
// and year as its title; it only shows dates.
class TCalendrier final : public QDialog {
    Q_OBJECT
public:
    explicit TCalendrier(const Platform &platform, QWidget *parent = nullptr);

    QLabel *title;
    QCalendarWidget *calendar;
    QPushButton *previousMonthButton; // "Mois", on the left
    QPushButton *nextMonthButton;     // "Mois", on the right
    QPushButton *closeButton;         // "Fermer", also Escape

protected:
    // Page Up and Page Down change the month from the grid and every button;
    // the arrow keys move the day on the grid without leaving its month.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void previousMonth();
    void nextMonth();
    void showTitle();
};
