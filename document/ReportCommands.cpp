#include "document/ReportCommands.h"

#include "document/Fiche.h"
#include "platform/Messages.h"
#include "reports/AccountBalance.h"
#include "reports/BalanceSheet.h"
#include "reports/CodeSelector.h"
#include "reports/IncomeStatement.h"
#include "reports/MonthViews.h"

namespace document {
namespace {

void openMonthView(Fiche &fiche, Page page, MonthViewPage &view, const QStringList &codes)
{
    fiche.showPage(page);
    view.filterItems = QStringList{reports::kAllCodes} + codes;
    view.filter = reports::kAllCodes;
    rebuildMonthView(fiche);
}

void openStatement(Fiche &fiche, Page page, PeriodPage &statement)
{
    fiche.showPage(page);
    statement.from = fiche.ledger.DebutExercice();
    statement.to = fiche.ledger.FinExercice();
}

const QString kSortKey = QStringLiteral("balance_tri_par_compte");
const QString kSubtotalsKey = QStringLiteral("balance_sous_totaux_par_classe");

void keepBalanceOrder(Fiche &fiche)
{
    const BalanceOrder &order = fiche.views.balance.order;
    fiche.ledger.preferences.setFlag(kSortKey, order.byAccount());
    fiche.ledger.preferences.setFlag(kSubtotalsKey, order.classSubtotals());
    fiche.ledger.savePreferences();
    LitBalance(fiche);
}

} // namespace

void Journal(Fiche &fiche)
{
    openMonthView(fiche, Page::Journal, fiche.views.journal, fiche.ledger.ref.journalItems);
}

void Comptes(Fiche &fiche)
{
    openMonthView(fiche, Page::Comptes, fiche.views.generalLedger, fiche.ledger.ref.accountItems);
}

void General(Fiche &fiche)
{
    openMonthView(fiche, Page::General, fiche.views.generalJournal, fiche.ledger.ref.journalItems);
}

void Balance(Fiche &fiche)
{
    openStatement(fiche, Page::Balance, fiche.views.balance);
    LitBalance(fiche);
}

void Resultat(Fiche &fiche)
{
    openStatement(fiche, Page::Resultat, fiche.views.incomeStatement);
    LitResultat(fiche);
}

void Bilan(Fiche &fiche)
{
    openStatement(fiche, Page::Bilan, fiche.views.balanceSheet);
    LitBilan(fiche);
}

void LitJnl(Fiche &fiche)
{
    const Ledger &ledger = fiche.ledger;
    fiche.tell(reports::LitJnl(fiche.views.journal, ledger.Lignes, ledger.Annee, ledger.Mois, ledger.ref));
}

void LitCpt(Fiche &fiche)
{
    const Ledger &ledger = fiche.ledger;
    fiche.tell(reports::LitCpt(fiche.views.generalLedger, ledger.Lignes, ledger.Annee, ledger.Mois, ledger.ref));
}

void LitGeneral(Fiche &fiche)
{
    const Ledger &ledger = fiche.ledger;
    fiche.tell(reports::LitGeneral(fiche.views.generalJournal, ledger.Lignes, ledger.Annee, ledger.Mois, ledger.ref));
}

void LitBalance(Fiche &fiche)
{
    fiche.tell(reports::LitBalance(fiche.views.balance, fiche.ledger.Lignes, fiche.ledger.ref));
}

void LitResultat(Fiche &fiche)
{
    fiche.tell(reports::LitResultat(fiche.views.incomeStatement, fiche.ledger.Lignes));
}

void LitBilan(Fiche &fiche)
{
    fiche.tell(reports::LitBilan(fiche.views.balanceSheet, fiche.ledger.Lignes, fiche.ledger.fiscalYear));
}

void sortBalanceByAccount(Fiche &fiche, bool on)
{
    fiche.views.balance.order.setByAccount(on);
    keepBalanceOrder(fiche);
}

void showClassSubtotals(Fiche &fiche, bool on)
{
    fiche.views.balance.order.setClassSubtotals(on);
    keepBalanceOrder(fiche);
}

void applyBalanceOrder(Fiche &fiche)
{
    BalanceOrder &order = fiche.views.balance.order;
    order.setByAccount(fiche.ledger.preferences.flag(kSortKey));
    order.setClassSubtotals(fiche.ledger.preferences.flag(kSubtotalsKey));
}

void rebuildMonthView(Fiche &fiche)
{
    switch (fiche.ActivePage) {
    case Page::Journal: LitJnl(fiche); break;
    case Page::Comptes: LitCpt(fiche); break;
    case Page::General: LitGeneral(fiche); break;
    default: break;
    }
}

} // namespace document
