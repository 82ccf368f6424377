#include "platform/ui/SystemClockSetter.h"

#include <cerrno>
#include <ctime>

QString SystemClockSetter::set(const QDateTime &instant)
{
    timespec when{};
    when.tv_sec = time_t(instant.toSecsSinceEpoch());
    when.tv_nsec = 0;
    if (::clock_settime(CLOCK_REALTIME, &when) == 0)
        return {};
    const int error = errno;
    switch (error) {
    case EPERM: return QStringLiteral("droits insuffisants");
    case EINVAL: return QStringLiteral("le système n'accepte pas cette date");
    default: return QStringLiteral("erreur système n° %1").arg(error);
    }
}
