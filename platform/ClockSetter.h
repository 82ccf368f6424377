#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>

// The computer's clock, as the clock tool sets it. The user reads and keys
// times in the computer's own time zone; the clock itself is set to an
// instant, whatever the zone and the season.
class ClockSetter {
public:
    virtual ~ClockSetter() = default;
    // The zone the computer shows its times in.
    virtual QTimeZone timeZone() const = 0;
    // Sets the computer's clock to the instant, to the second. Gives back an
    // empty text when the clock was set, otherwise the French reason the system
    // gave for refusing ("droits insuffisants").
    virtual QString set(const QDateTime &instant) = 0;
};
