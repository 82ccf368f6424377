#include "cli/VatCommand.h"

#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "platform/Messages.h"
#include "vat/VatReturn.h"

namespace cli {

int listVatReturn(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    const vat::Period period = invocation.quarter != 0 ? vat::quarterPeriod(invocation.year, invocation.quarter)
                               : invocation.month != 0    ? vat::monthPeriod(invocation.year, invocation.month)
                                                         : vat::datesPeriod(*invocation.from, *invocation.to);
    const vat::VatReturn vatReturn = vat::computeReturn(fiche.ledger.Lignes, period, fiche.ledger.fiscalYear);
    if (!vatReturn.error.isEmpty()) {
        call.messages.information(vatReturn.error);
        return ExitRefused;
    }
    for (int line = 1; line <= vat::kLines; ++line)
        appendCells(call.io.out, {vat::lineCaption(line), vatReturn.figureText(line)});
    if (const QString warning = vat::unsettledWarning(vatReturn); !warning.isEmpty())
        appendCells(call.io.out, {warning});
    return ExitOk;
}

} // namespace cli
