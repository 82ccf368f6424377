#include "calculators/ui/TPlacement.h"

#include "calculators/SavingsSchedule.h"

TPlacement::TPlacement(const Platform &platform, QWidget *parent)
    : ScheduleWindow(platform,
                     {QStringLiteral("Placements"), QStringLiteral("Apport"), false,
                      {QStringLiteral("Mois"), QStringLiteral("Date"), QStringLiteral("Capital"),
                       QStringLiteral("Intérêt"), QStringLiteral("Mensualité")}},
                     &savings::calculate, parent)
{
}
