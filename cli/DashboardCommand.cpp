#include "cli/DashboardCommand.h"

#include "cli/ConsolePlatform.h"
#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "reports/Dashboard.h"

namespace cli {

int dashboard(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const Ledger &ledger = fiche.ledger;
    const reports::Dashboard figures = reports::dashboardOf(ledger.Lignes, ledger.fiscalYear, fiche.platform().clock->today());
    if (!figures.message.isEmpty())
        fiche.platform().messages->information(figures.message);
    appendCells(io.out, {QStringLiteral("Mois"), QStringLiteral("Ventes"), QStringLiteral("Charges"),
                         QStringLiteral("Résultat"), QStringLiteral("Trésorerie")});
    for (const reports::DashboardMonth &month : figures.months)
        appendCells(io.out, {QStringLiteral("%1-%2").arg(month.year).arg(month.month, 2, 10, QLatin1Char('0')),
                             month.sales.text(), month.charges.text(), month.result.text(), month.treasury.text()});
    appendCells(io.out, {QStringLiteral("Clients à encaisser"), figures.receivable.text()});
    appendCells(io.out, {QStringLiteral("Fournisseurs à payer"), figures.payable.text()});
    return ExitOk;
}

} // namespace cli
