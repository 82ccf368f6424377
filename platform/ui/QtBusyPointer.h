#pragma once

#include "platform/BusyPointer.h"

// The hourglass over every window of the application.
class QtBusyPointer final : public BusyPointer {
public:
    void begin() override;
    void end() override;
};
