#pragma once

#include "calculators/ui/ScheduleWindow.h"

// "Placements": what an initial deposit and monthly deposits grow to, month by month.
class TPlacement final : public ScheduleWindow {
    Q_OBJECT
public:
    explicit TPlacement(const Platform &platform, QWidget *parent = nullptr);
};
