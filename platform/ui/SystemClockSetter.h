#pragma once

#include "platform/ClockSetter.h"

// The system's real-time clock. Setting it needs the right to change the
// system time, which a user who is not an administrator usually lacks.
class SystemClockSetter final : public ClockSetter {
public:
    QTimeZone timeZone() const override { return QTimeZone::systemTimeZone(); }
    QString set(const QDateTime &instant) override;
};
