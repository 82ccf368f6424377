#include "document/ui/ReportPages.h"

#include "document/ReportCommands.h"
#include "document/ui/TFiche.h"
#include "ledger/MonthLines.h"
#include "reports/ui/MonthViewSheet.h"
#include "reports/ui/PeriodSheet.h"

std::array<DocumentPage *, 6> createReportPages(TFiche &window)
{
    Fiche &fiche = window.fiche();
    ViewPages &views = fiche.views;
    const BalancePage &balance = views.balance;
    const DocumentPage::Run run = window.runner();
    const auto on = [&fiche](void (*operation)(Fiche &)) { return [&fiche, operation] { operation(fiche); }; };
    using reports::View;
    using monthlines::Column;
    const QSet<int> entryAmounts = {monthlines::gridColumn(Column::Debit), monthlines::gridColumn(Column::Credit)};
    return {
        new MonthViewSheet(run, &window, View::Journal, views.journal, on(document::LitJnl), entryAmounts,
                           {"journalGrid", "journalFilter", "journalName", "journalTitle", "journalDebitTotal",
                            "journalCreditTotal"}),
        new MonthViewSheet(run, &window, View::Comptes, views.generalLedger, on(document::LitCpt), entryAmounts,
                           {"ledgerGrid", "ledgerFilter", "ledgerName", "ledgerTitle", "ledgerDebitTotal",
                            "ledgerCreditTotal"}),
        new MonthViewSheet(run, &window, View::General, views.generalJournal, on(document::LitGeneral), {4, 5},
                           {"generalJournalGrid", "generalJournalFilter", "generalJournalName", "generalJournalTitle",
                            "generalJournalDebitTotal", "generalJournalCreditTotal"}),
        new PeriodSheet(run, &window, View::Balance, views.balance, on(document::LitBalance), {2, 3},
                        {"Balance du", "balanceGrid", "balanceFrom", "balanceTo", "balanceCompute"},
                        {{{"balanceDebitTotal", &balance.totalDebit},
                          {"balanceCreditTotal", &balance.totalCredit},
                          {"balanceDebitBalances", &balance.totalDebitBalances},
                          {"balanceCreditBalances", &balance.totalCreditBalances}},
                         {{"balanceSortByAccount", QStringLiteral("Trier par compte"),
                           [&balance] { return balance.order.byAccount(); },
                           [&fiche](bool on) { document::sortBalanceByAccount(fiche, on); }},
                          {"balanceClassSubtotals", QStringLiteral("Sous-totaux par classe"),
                           [&balance] { return balance.order.classSubtotals(); },
                           [&fiche](bool on) { document::showClassSubtotals(fiche, on); }}}}),
        new PeriodSheet(run, &window, View::Resultat, views.incomeStatement, on(document::LitResultat), {1, 3},
                        {"Résultat du", "incomeGrid", "incomeFrom", "incomeTo", "incomeCompute"}),
        new PeriodSheet(run, &window, View::Bilan, views.balanceSheet, on(document::LitBilan), {1, 2, 3, 5},
                        {"Bilan au", "balanceSheetGrid", nullptr, "balanceSheetDate", "balanceSheetCompute"},
                        {{}, {}, {"balanceSheetUnassigned", &views.balanceSheet.unassigned}}),
    };
}
