#include "cli/Listings.h"

#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "ledger/MonthLines.h"
#include "platform/Messages.h"
#include "reports/BalanceSheet.h"
#include "reports/IncomeStatement.h"

namespace cli {
namespace {

constexpr int kLastStatementRow = 16; // "TOTAL GÉNÉRAL"
constexpr int kLastSheetRow = 19;     // "TOTAL GÉNÉRAL I+II"
constexpr int kSheetGapRow = 21;      // "Écart"
constexpr int kSheetNetColumn = 3;    // where the gap is, under the net assets

// The last row of a view that holds anything; rows after it were emptied by
// the rebuild. (A row whose first cell is empty but not the others, an entry
// without a date, is still a row of the view.)
int lastFilledRow(const TextGrid &grid)
{
    for (int r = grid.rowCount() - 1; r >= 1; --r)
        for (int c = 0; c < grid.colCount(); ++c)
            if (!grid.at(r, c).trimmed().isEmpty())
                return r;
    return 0;
}

void appendDataRows(std::string &out, const TextGrid &grid)
{
    const int last = lastFilledRow(grid);
    for (int r = 1; r <= last; ++r)
        appendGridRow(out, grid, r);
}

// A statement page opened as from the menu, on the fiscal year, or on the
// dates a user sets in its pickers before pressing "Calculer": computed once
// either way, so that what it has to tell is told once.
void computeStatement(Call &call, Page shown, PeriodPage &page, void (*compute)(Fiche &))
{
    Fiche &fiche = call.fiche;
    fiche.showPage(shown);
    page.from = call.invocation.from.value_or(fiche.ledger.DebutExercice());
    page.to = call.invocation.to.value_or(fiche.ledger.FinExercice());
    compute(fiche);
}

} // namespace

int listMonth(Call &call)
{
    Fiche &fiche = call.fiche;
    // Loading leaves the entry page active with nothing unsaved, so moving to
    // a month there comes down to reading it.
    fiche.ledger.Annee = quint16(call.invocation.year);
    fiche.ledger.Mois = quint16(call.invocation.month);
    fiche.LitMois();
    // The columns the entry page shows: `lettrer` lists the lettering.
    for (int r = 0; r < fiche.ledger.NbLignes; ++r)
        appendGridRow(call.io.out, fiche.ledger.monthGrid, r, monthlines::kEntryColumnCount);
    return ExitOk;
}

int listMonthView(Call &call)
{
    Fiche &fiche = call.fiche;
    const Command view = call.invocation.command;
    MonthViewPage *page = &fiche.views.journal;
    void (*open)(Fiche &) = document::Journal;
    void (*rebuild)(Fiche &) = document::LitJnl;
    if (view == Command::GeneralLedger) {
        page = &fiche.views.generalLedger;
        open = document::Comptes;
        rebuild = document::LitCpt;
    } else if (view == Command::GeneralJournal) {
        page = &fiche.views.generalJournal;
        open = document::General;
        rebuild = document::LitGeneral;
    }
    // The month is chosen while the entry page is still shown; nothing there
    // is unsaved, so leaving it for the view writes nothing back and the
    // grid need not be read.
    fiche.ledger.Annee = quint16(call.invocation.year);
    fiche.ledger.Mois = quint16(call.invocation.month);
    open(fiche);
    if (call.invocation.filter) {
        page->filter = *call.invocation.filter; // typed into the filter combo, whose change rebuilds the view
        rebuild(fiche);
    }
    appendDataRows(call.io.out, page->grid);
    appendCells(call.io.out, {QStringLiteral("Totaux"), page->totalDebit, page->totalCredit});
    return ExitOk;
}

int listBalance(Call &call)
{
    BalancePage &page = call.fiche.views.balance;
    page.order.setByAccount(call.invocation.sortByAccount);
    page.order.setClassSubtotals(call.invocation.classSubtotals);
    computeStatement(call, Page::Balance, page, document::LitBalance);
    appendDataRows(call.io.out, page.grid);
    appendCells(call.io.out, {QStringLiteral("Totaux"), page.totalDebit, page.totalCredit, page.totalDebitBalances,
                              page.totalCreditBalances});
    return ExitOk;
}

int listIncomeStatement(Call &call)
{
    PeriodPage &page = call.fiche.views.incomeStatement;
    computeStatement(call, Page::Resultat, page, document::LitResultat);
    for (int r = 1; r <= kLastStatementRow; ++r)
        appendGridRow(call.io.out, page.grid, r);
    for (int r = reports::kFirstNatureRow; r <= reports::kLastNatureRow; ++r)
        if (!page.grid.at(r, 0).isEmpty())
            appendCells(call.io.out, {page.grid.at(r, 0), page.grid.at(r, 1)});
    return ExitOk;
}

int listBalanceSheet(Call &call)
{
    BalanceSheetPage &page = call.fiche.views.balanceSheet;
    const FiscalYear &year = call.fiche.ledger.fiscalYear;
    if (const QString refusal = reports::balanceSheetDateRefusal(call.invocation.to.value_or(year.end), year);
        !refusal.isEmpty()) {
        call.messages.information(refusal);
        return ExitUsage;
    }
    computeStatement(call, Page::Bilan, page, document::LitBilan);
    std::string &out = call.io.out;
    for (int r = 1; r <= kLastSheetRow; ++r)
        appendGridRow(out, page.grid, r);
    if (!page.grid.at(kSheetGapRow, 0).isEmpty())
        appendCells(out, {page.grid.at(kSheetGapRow, 0), page.grid.at(kSheetGapRow, kSheetNetColumn)});
    if (!page.unassigned.isEmpty())
        call.messages.information(page.unassigned);
    return ExitOk;
}

} // namespace cli
