#include "cli/Listings.h"

#include "cli/GridText.h"
#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "ledger/MonthLines.h"
#include "platform/Messages.h"
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

void appendDataRows(std::string &out, const TextGrid &grid, int columns = -1)
{
    const int last = lastFilledRow(grid);
    for (int r = 1; r <= last; ++r)
        appendGridRow(out, grid, r, columns);
}

// A statement page opened as from the menu, on the fiscal year, or on the
// dates a user sets in its pickers before pressing "Calculer": computed once
// either way, so that what it has to tell is told once.
void computeStatement(Fiche &fiche, Page shown, PeriodPage &page, std::optional<QDate> from, std::optional<QDate> to,
                      void (*compute)(Fiche &))
{
    fiche.showPage(shown);
    page.from = from.value_or(fiche.ledger.DebutExercice());
    page.to = to.value_or(fiche.ledger.FinExercice());
    compute(fiche);
}

} // namespace

void listMonth(Fiche &fiche, int year, int month, std::string &out)
{
    // Loading leaves the entry page active with nothing unsaved, so moving to
    // a month there comes down to reading it.
    fiche.ledger.Annee = quint16(year);
    fiche.ledger.Mois = quint16(month);
    fiche.LitMois();
    for (int r = 0; r < fiche.ledger.NbLignes; ++r)
        appendGridRow(out, fiche.ledger.monthGrid, r, monthlines::kEntryColumnCount);
}

void listMonthView(Fiche &fiche, Command view, int year, int month, const std::optional<QString> &filter,
                   std::string &out)
{
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
    fiche.ledger.Annee = quint16(year);
    fiche.ledger.Mois = quint16(month);
    open(fiche);
    if (filter) {
        page->filter = *filter; // typed into the filter combo, whose change rebuilds the view
        rebuild(fiche);
    }
    // The entry's eight columns, whatever the page shows: `lettrer` lists the
    // lettering.
    appendDataRows(out, page->grid, monthlines::kEntryColumnCount);
    appendCells(out, {QStringLiteral("Totaux"), page->totalDebit, page->totalCredit});
}

void listBalance(Fiche &fiche, std::optional<QDate> from, std::optional<QDate> to, const BalanceOrder &order,
                 std::string &out)
{
    BalancePage &page = fiche.views.balance;
    page.order = order;
    computeStatement(fiche, Page::Balance, page, from, to, document::LitBalance);
    appendDataRows(out, page.grid);
    appendCells(out, {QStringLiteral("Totaux"), page.totalDebit, page.totalCredit, page.totalDebitBalances, page.totalCreditBalances});
}

void listIncomeStatement(Fiche &fiche, std::optional<QDate> from, std::optional<QDate> to, std::string &out)
{
    PeriodPage &page = fiche.views.incomeStatement;
    computeStatement(fiche, Page::Resultat, page, from, to, document::LitResultat);
    for (int r = 1; r <= kLastStatementRow; ++r)
        appendGridRow(out, page.grid, r);
    for (int r = reports::kFirstNatureRow; r <= reports::kLastNatureRow; ++r)
        if (!page.grid.at(r, 0).isEmpty())
            appendCells(out, {page.grid.at(r, 0), page.grid.at(r, 1)});
}

void listBalanceSheet(Fiche &fiche, std::optional<QDate> from, std::optional<QDate> to, std::string &out)
{
    BalanceSheetPage &page = fiche.views.balanceSheet;
    computeStatement(fiche, Page::Bilan, page, from, to, document::LitBilan);
    for (int r = 1; r <= kLastSheetRow; ++r)
        appendGridRow(out, page.grid, r);
    if (!page.grid.at(kSheetGapRow, 0).isEmpty())
        appendCells(out, {page.grid.at(kSheetGapRow, 0), page.grid.at(kSheetGapRow, kSheetNetColumn)});
    if (!page.unassigned.isEmpty())
        fiche.platform().messages->information(page.unassigned);
}

} // namespace cli
