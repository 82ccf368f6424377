#include "calculators/ui/TEmprunt.h"

#include "calculators/LoanSchedule.h"

TEmprunt::TEmprunt(const Platform &platform, QWidget *parent)
    : ScheduleWindow(platform,
                     {QStringLiteral("Emprunts"), QStringLiteral("Montant"), true,
                      {QStringLiteral("Mois"), QStringLiteral("Date"), QStringLiteral("Capital"),
                       QStringLiteral("Intérêt"), QStringLiteral("Solde")}},
                     &loan::calculate, parent)
{
}
