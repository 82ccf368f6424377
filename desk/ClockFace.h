#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>
#include <QTimeZone>
#include <optional>
#include <variant>

class ClockSetter;

// The clock tool: the time "hh:mm:ss" and the date "dd/mm/yyyy" it shows, the
// part of them its arrows change, and the setting mode in which the display
// stands still while the user adjusts it, until "Set" applies it to the
// computer's clock.
class ClockFace {
public:
    // What the arrows change: hour, minute, day, month, year.
    enum class Part { Hour, Minute, Day, Month, Year };
    enum class Arrow { Up, Down };

    // The window opens: the clock runs, showing the time given. A new clock
    // has no part chosen; a window shown again keeps the part its user chose.
    void open(QDate today, QTime now);
    // A second has passed: the display follows the clock unless it is being set.
    void tick(QDate today, QTime now);
    // The one-second timer runs exactly when the clock is not being set.
    bool running() const { return !setting_; }

    void select(Part part) { selected_ = part; }
    std::optional<Part> selected() const { return selected_; }
    // Changes the chosen part of the shown text by one; nothing without a part.
    // While the clock runs, its next second shows the time again.
    void arrow(Arrow arrow);

    // "Set". The first click stops the display for adjusting; the second
    // applies the shown date and time to the computer's clock and lets it run
    // again. A date or time that does not exist is not applied and the clock
    // stays stopped for the user to correct it. Gives back what the user must
    // be told, empty when all went well.
    QString set(ClockSetter &computer);

    const QString &timeText() const { return time_; }
    const QString &dateText() const { return date_; }

    // The arrow rule of a part: one up or down, held within the part's bounds,
    // never wrapped; a year below 100 is taken as 1900 plus the value first.
    static int stepped(Part part, int value, Arrow arrow);
    // The instant the shown texts mean in the zone: 24:mm:ss counts past the
    // end of the shown day. A date or a time that does not exist (31/02, day
    // 00, the hour skipped when the clocks go forward) gives the message that
    // says so.
    static std::variant<QDateTime, QString> instant(const QString &dateText, const QString &timeText,
                                                    const QTimeZone &zone);

private:
    void show(QDate today, QTime now);

    QString time_;
    QString date_;
    std::optional<Part> selected_;
    bool setting_ = false;
};
