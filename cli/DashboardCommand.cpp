#include "cli/DashboardCommand.h"

#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/DashboardCommands.h"
#include "document/Fiche.h"
#include "platform/Messages.h"

namespace cli {

int dashboard(Call &call)
{
    const reports::Dashboard figures = document::dashboardFigures(call.fiche);
    if (!figures.message.isEmpty())
        call.messages.information(figures.message);
    std::string &out = call.io.out;
    appendCells(out, {QStringLiteral("Mois"), QStringLiteral("Ventes"), QStringLiteral("Charges"),
                      QStringLiteral("Résultat"), QStringLiteral("Trésorerie")});
    for (const reports::DashboardMonth &month : figures.months)
        appendCells(out, {QStringLiteral("%1-%2").arg(month.year).arg(month.month, 2, 10, QLatin1Char('0')),
                          month.sales.text(), month.charges.text(), month.result.text(), month.treasury.text()});
    appendCells(out, {QStringLiteral("Clients à encaisser"), figures.receivable.text()});
    appendCells(out, {QStringLiteral("Fournisseurs à payer"), figures.payable.text()});
    return ExitOk;
}

} // namespace cli
