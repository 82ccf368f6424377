#include "platform/ui/Resources.h"

#include <QtGlobal>

void loadTavelinResources()
{
    static const bool loaded = [] {
        Q_INIT_RESOURCE(tavelin);
        return true;
    }();
    Q_UNUSED(loaded);
}
