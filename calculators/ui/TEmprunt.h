#pragma once

#include "calculators/ui/ScheduleWindow.h"

// "Emprunts": the constant monthly payment of a loan and its repayment schedule.
class TEmprunt final : public ScheduleWindow {
    Q_OBJECT
public:
    explicit TEmprunt(const Platform &platform, QWidget *parent = nullptr);
};
