#include "reports/ReportCommands.h"

#include "ledger/Fiche.h"
#include "reports/AccountBalance.h"
#include "reports/BalanceSheet.h"
#include "reports/CodeSelector.h"
#include "reports/IncomeStatement.h"
#include "reports/MonthViews.h"

namespace reports {
namespace {

void openMonthView(Fiche &fiche, Page page, MonthViewPage &view, const QStringList &codes)
{
    fiche.showPage(page);
    view.filterItems = QStringList{kTous} + codes;
    view.filter = kTous;
    rebuildMonthView(fiche);
}

void openStatement(Fiche &fiche, Page page, PeriodPage &statement)
{
    fiche.showPage(page);
    statement.from = fiche.DebutExercice();
    statement.to = fiche.FinExercice();
}

} // namespace

void Journal(Fiche &fiche)
{
    openMonthView(fiche, Page::Journal, fiche.views.journal, fiche.ref.ComboBox2Items);
}

void Comptes(Fiche &fiche)
{
    openMonthView(fiche, Page::Comptes, fiche.views.comptes, fiche.ref.ComboBox1Items);
}

void General(Fiche &fiche)
{
    openMonthView(fiche, Page::General, fiche.views.general, fiche.ref.ComboBox2Items);
}

void Balance(Fiche &fiche)
{
    openStatement(fiche, Page::Balance, fiche.views.balance);
    LitBalance(fiche);
}

void Resultat(Fiche &fiche)
{
    openStatement(fiche, Page::Resultat, fiche.views.resultat);
    LitResultat(fiche);
}

void Bilan(Fiche &fiche)
{
    openStatement(fiche, Page::Bilan, fiche.views.bilan);
    LitBilan(fiche);
}

} // namespace reports
