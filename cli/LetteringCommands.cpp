#include "cli/LetteringCommands.h"

#include "cli/ConsolePlatform.h"
#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "document/LetteringCommands.h"
#include "ledger/DossierLock.h"
#include "ledger/TextGrid.h"

namespace cli {
namespace {

QString amountOrNothing(Cents amount)
{
    return amount == 0 ? QString() : forms::formatAmount(amount);
}

void listLettering(const std::vector<lettering::Line> &lines, std::string &out)
{
    for (const lettering::Group &group : lettering::letteredGroups(lines))
        appendCells(out, {QStringLiteral("lettrée"), group.code, group.account, forms::formatDate(group.date),
                          QString::number(group.lines.size()), forms::formatAmount(group.amount)});
    for (const lettering::Line &line : lines)
        if (line.open())
            appendCells(out, {QStringLiteral("non lettrée"), forms::formatDate(line.date), line.account, line.label,
                              line.voucher, amountOrNothing(line.debit), amountOrNothing(line.credit),
                              QString::fromStdString(line.place.monthKey), QString::number(line.place.row + 1)});
}

} // namespace

int letter(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    // The codes would be lost at the next save of a window that has the
    // dossier open, or that window's work to this save.
    DossierLock lock;
    if (invocation.save && !lockForSaving(lock, invocation.file, *fiche.platform().messages))
        return ExitUnreadable;
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const QString prefix = invocation.filter.value_or(QString());
    if (invocation.automatic) {
        const lettering::Proposal proposal = document::automaticLettering(fiche, prefix);
        document::applyLettering(fiche, proposal.lines, proposal.groups);
    }
    listLettering(document::letteringLines(fiche, prefix), io.out);
    if (!invocation.save || !fiche.ledger.Modifie)
        return ExitOk;
    return saveDossier(fiche, invocation.file, QStringLiteral("Aucun lettrage n'a été enregistré.")) ? ExitOk
                                                                                                   : ExitUnreadable;
}

int agedBalance(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const TextGrid grid = lettering::agedBalanceGrid(
        document::agedBalance(fiche, *invocation.to, invocation.filter.value_or(document::defaultAgedPrefix())));
    for (int r = 1; r < grid.rowCount(); ++r)
        appendGridRow(io.out, grid, r);
    return ExitOk;
}

} // namespace cli
