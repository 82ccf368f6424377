#include "cli/LetteringCommands.h"

#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "document/LetteringCommands.h"
#include "ledger/TextGrid.h"

namespace cli {
namespace {

QString letteringAmount(Cents amount)
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
                              line.voucher, letteringAmount(line.debit), letteringAmount(line.credit),
                              QString::fromStdString(line.place.monthKey), QString::number(line.place.row + 1)});
}

} // namespace

int letter(Call &call)
{
    Fiche &fiche = call.fiche;
    const QString prefix = call.invocation.filter.value_or(QString());
    if (call.invocation.automatic) {
        const lettering::Proposal proposal = document::automaticLettering(fiche, prefix);
        document::applyLettering(fiche, proposal.lines, proposal.groups);
    }
    listLettering(document::letteringLines(fiche, prefix), call.io.out);
    if (!call.invocation.save || !fiche.ledger.Modifie)
        return ExitOk;
    return saveDossier(fiche, call.invocation.file, QStringLiteral("Aucun lettrage n'a été enregistré.")) ? ExitOk
                                                                                                        : ExitUnreadable;
}

int agedBalance(Call &call)
{
    const TextGrid grid = lettering::agedBalanceGrid(document::agedBalance(
        call.fiche, *call.invocation.to, call.invocation.filter.value_or(document::defaultAgedPrefix())));
    for (int r = 1; r < grid.rowCount(); ++r)
        appendGridRow(call.io.out, grid, r);
    return ExitOk;
}

} // namespace cli
