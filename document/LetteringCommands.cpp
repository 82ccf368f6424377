#include "document/LetteringCommands.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "ledger/TextGrid.h"
#include "lettering/AutoLettering.h"
#include "platform/Messages.h"
#include "platform/Printer.h"
#include "platform/PrinterDialogs.h"
#include "printing/Listing.h"

namespace document {
namespace {

// The lines changed under the month on screen: read it again.
void linesChanged(Fiche &fiche)
{
    fiche.ledger.Modifie = true;
    fiche.LitMois();
    rebuildMonthView(fiche);
}

} // namespace

std::vector<lettering::Line> letteringLines(Fiche &fiche, const QString &prefix)
{
    fiche.ledger.EcritMois();
    return lettering::accountLines(fiche.ledger.Lignes, prefix);
}

lettering::Proposal automaticLettering(Fiche &fiche, const QString &prefix)
{
    lettering::Proposal proposal{letteringLines(fiche, prefix), {}};
    lettering::CodeBook codes(proposal.lines);
    proposal.groups = lettering::automaticGroups(proposal.lines, codes);
    return proposal;
}

void applyLettering(Fiche &fiche, const std::vector<lettering::Line> &lines, const std::vector<lettering::Group> &groups)
{
    if (groups.empty())
        return;
    lettering::apply(fiche.ledger.Lignes, lines, groups);
    linesChanged(fiche);
}

QString letterLines(Fiche &fiche, const std::vector<lettering::Line> &lines, const std::vector<std::size_t> &chosen)
{
    if (const QString refusal = lettering::letteringRefusal(lines, chosen); !refusal.isEmpty()) {
        fiche.platform().messages->information(refusal);
        return refusal;
    }
    lettering::CodeBook codes(lines);
    applyLettering(fiche, lines, {lettering::groupOf(lines, chosen, codes)});
    return {};
}

void unletterLine(Fiche &fiche, const std::vector<lettering::Line> &lines, std::size_t line)
{
    if (line >= lines.size() || lines[line].open())
        return;
    fiche.ledger.EcritMois();
    lettering::unletter(fiche.ledger.Lignes, lines, line);
    linesChanged(fiche);
}

lettering::AgedBalance agedBalance(Fiche &fiche, QDate at, const QString &prefix)
{
    fiche.ledger.EcritMois();
    return lettering::agedBalance(fiche.ledger.Lignes, fiche.ledger.ref.ListePlc, at, prefix);
}

bool printAgedBalance(Fiche &fiche, const lettering::AgedBalance &balance, QDate at)
{
    const Platform &platform = fiche.platform();
    if (!platform.printerDialogs->print())
        return false;
    const TextGrid grid = lettering::agedBalanceGrid(balance);
    printing::Listing listing{QStringLiteral("Balance âgée au ") + forms::formatDate(at),
                              {{0, 0, 20, grid.at(0, 0)},
                               {1, 20, 55, grid.at(0, 1)},
                               {2, 100, 24, grid.at(0, 2), true},
                               {3, 125, 24, grid.at(0, 3), true},
                               {4, 150, 24, grid.at(0, 4), true},
                               {5, 175, 24, grid.at(0, 5), true},
                               {6, 200, 24, grid.at(0, 6), true}},
                              1,
                              grid.rowCount()};
    listing.totals = false; // the total row is the balance's own
    if (printing::printListing(*platform.printer, grid, listing))
        return true;
    platform.messages->information(printerRefusedMessage());
    return false;
}

} // namespace document
