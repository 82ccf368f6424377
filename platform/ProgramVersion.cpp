#include "platform/ProgramVersion.h"

QString programVersion()
{
    return QStringLiteral(TAVELIN_VERSION);
}
