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
    view.filterItems = QStringList{reports::kTous} + codes;
    view.filter = reports::kTous;
    rebuildMonthView(fiche);
}

void openStatement(Fiche &fiche, Page page, PeriodPage &statement)
{
    fiche.showPage(page);
    statement.from = fiche.ledger.DebutExercice();
    statement.to = fiche.ledger.FinExercice();
}

void tellUser(const Fiche &fiche, const QString &message)
{
    if (!message.isEmpty())
        fiche.platform().messages->information(message);
}

} // namespace

void Journal(Fiche &fiche)
{
    openMonthView(fiche, Page::Journal, fiche.views.journal, fiche.ledger.ref.journalItems);
}

void Comptes(Fiche &fiche)
{
    openMonthView(fiche, Page::Comptes, fiche.views.comptes, fiche.ledger.ref.accountItems);
}

void General(Fiche &fiche)
{
    openMonthView(fiche, Page::General, fiche.views.general, fiche.ledger.ref.journalItems);
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

void LitJnl(Fiche &fiche)
{
    tellUser(fiche, reports::LitJnl(fiche.views.journal, fiche.ledger.Lignes, fiche.ledger.Annee, fiche.ledger.Mois, fiche.ledger.ref));
}

void LitCpt(Fiche &fiche)
{
    tellUser(fiche, reports::LitCpt(fiche.views.comptes, fiche.ledger.Lignes, fiche.ledger.Annee, fiche.ledger.Mois, fiche.ledger.ref));
}

void LitGeneral(Fiche &fiche)
{
    tellUser(fiche, reports::LitGeneral(fiche.views.general, fiche.ledger.Lignes, fiche.ledger.Annee, fiche.ledger.Mois, fiche.ledger.ref));
}

void LitBalance(Fiche &fiche)
{
    tellUser(fiche, reports::LitBalance(fiche.views.balance, fiche.ledger.Lignes, fiche.ledger.ref));
}

void LitResultat(Fiche &fiche)
{
    tellUser(fiche, reports::LitResultat(fiche.views.resultat, fiche.ledger.Lignes));
}

void LitBilan(Fiche &fiche)
{
    reports::LitBilan(fiche.views.bilan);
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
