#include "reports/ui/ReportPages.h"

#include "ledger/ui/TFiche.h"
#include "reports/AccountBalance.h"
#include "reports/BalanceSheet.h"
#include "reports/IncomeStatement.h"
#include "reports/MonthViews.h"
#include "reports/ui/MonthViewSheet.h"
#include "reports/ui/PeriodSheet.h"

std::array<FichePage *, 6> createReportPages(TFiche &window)
{
    ViewPages &views = window.fiche().views;
    const BalancePage &balance = views.balance;
    return {
        new MonthViewSheet(window, Page::Journal, views.journal, [](Fiche &f) { reports::LitJnl(f); }, {5, 6},
                           {"StringGrid2", "ComboBox3", "Edit9", "Label2", "Edit2", "Edit8"}),
        new MonthViewSheet(window, Page::Comptes, views.comptes, [](Fiche &f) { reports::LitCpt(f); }, {5, 6},
                           {"StringGrid3", "ComboBox4", "Edit10", "Label3", "Edit11", "Edit12"}),
        new MonthViewSheet(window, Page::General, views.general, [](Fiche &f) { reports::LitGeneral(f); }, {4, 5},
                           {"StringGrid4", "ComboBox5", "Edit17", "Label4", "Edit14", "Edit15"}),
        new PeriodSheet(window, Page::Balance, views.balance, [](Fiche &f) { reports::LitBalance(f); },
                        {2, 3, 4, 5}, {"Balance du", "StringGrid5", "DateTimePicker1", "DateTimePicker2", "SpeedButton2"},
                        {{"Edit18", &balance.Edit18}, {"Edit19", &balance.Edit19}, {"Edit13", &balance.Edit13},
                         {"Edit16", &balance.Edit16}}),
        new PeriodSheet(window, Page::Resultat, views.resultat, [](Fiche &f) { reports::LitResultat(f); }, {1, 3},
                        {"Résultat du", "StringGrid6", "DateTimePicker3", "DateTimePicker4", "SpeedButton3"}),
        new PeriodSheet(window, Page::Bilan, views.bilan, [](Fiche &f) { reports::LitBilan(f); }, {1, 3},
                        {"Bilan du", "StringGrid7", "DateTimePicker5", "DateTimePicker6", "SpeedButton4"}),
    };
}
