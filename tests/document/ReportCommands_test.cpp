#include "FakePlatform.h"
#include "TempDir.h"
#include "LedgerText.h"

#include "document/Fiche.h"
#include "ledger/TextForms.h"
#include "reports/AccountBalance.h"
#include "reports/BalanceSheet.h"
#include "reports/IncomeStatement.h"
#include "reports/MonthViews.h"
#include "document/ReportCommands.h"

#include <gtest/gtest.h>

namespace {

struct ReportCommandsTest : ::testing::Test {
    FakePlatform fake;
    Fiche fiche{fake.platform};

    void SetUp() override
    {
        fiche.ledger.ref.ListeJnx = {QStringLiteral("VE O Ventes"), QStringLiteral("AC N Achats")};
        fiche.ledger.ref.ListePlc = {QStringLiteral("411000 ON Clients"), QStringLiteral("601000 ON Achats"),
                              QStringLiteral("707000 ON Ventes")};
        fiche.ledger.InitPlc();
        fiche.ledger.InitJnx();
        fiche.ledger.Lignes = linesOf(
            kHeader2002 +
            entriesText("200203", {{"05/03/2002", "411000", "Mars", "VE", "", "   100,00", "", ""},
                                   {"05/03/2002", "707000", "Mars", "VE", "", "", "   100,00", ""},
                                   {"06/03/2002", "601000", "Achat", "AC", "", "    30,00", "", ""}}) +
            entriesText("200204", {{"02/04/2002", "411000", "Avril", "VE", "", "    50,00", "", ""},
                                   {"02/04/2002", "707000", "Avril", "VE", "", "", "    50,00", ""}}));
        fiche.LitMois();
    }
};

} // namespace

TEST_F(ReportCommandsTest, TitleRowsAreWrittenWhenTheDocumentIsCreated)
{
    const ViewPages &v = fiche.views;
    EXPECT_EQ(v.journal.grid.at(0, 2), "Libellé");
    EXPECT_EQ(v.journal.grid.at(0, 3), "Journal");
    EXPECT_EQ(v.journal.grid.at(0, 4), "Pièce");
    EXPECT_EQ(v.generalLedger.grid.at(0, 6), forms::Rset(QStringLiteral("Crédit")));
    EXPECT_TRUE(v.generalLedger.grid.at(0, 7).isEmpty());
    EXPECT_EQ(v.generalJournal.grid.at(0, 2), "Libellé");
    EXPECT_EQ(v.generalJournal.grid.at(0, 4), forms::Rset(QStringLiteral("Débit")));
    EXPECT_EQ(v.balance.grid.at(0, 0), "Compte");
    EXPECT_EQ(v.balance.grid.at(0, 5), forms::Rset(QStringLiteral("Solde crédit")));
    EXPECT_EQ(v.incomeStatement.grid.at(0, 2), "PRODUITS (HORS TAXES)");
    EXPECT_EQ(v.balanceSheet.grid.at(0, 1), "Brut");
    EXPECT_EQ(v.balanceSheet.grid.at(0, 2), "Amortissements et provisions");
    EXPECT_EQ(v.balanceSheet.grid.at(0, 3), "Net");
    EXPECT_EQ(v.balanceSheet.grid.at(0, 5), "Exercice N");
    EXPECT_EQ(v.balanceSheet.grid.rowCount(), 22);
}

TEST_F(ReportCommandsTest, OpeningAViewWritesTheMonthBackAndListsTousFirst)
{
    fiche.ledger.monthGrid.set(2, 2, QStringLiteral("Achat corrigé"));
    fiche.ledger.MoisModifie = true;
    fiche.ledger.Modifie = true;
    document::Journal(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Journal);
    EXPECT_FALSE(fiche.ledger.MoisModifie);
    const MonthViewPage &journal = fiche.views.journal;
    EXPECT_EQ(journal.filterItems, (QStringList{"Tous", "AC", "VE"}));
    EXPECT_EQ(journal.filter, "Tous");
    EXPECT_EQ(journal.grid.at(3, 2), "Achat corrigé");
    EXPECT_EQ(journal.title, "Mars 2002");

    document::Comptes(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Comptes);
    EXPECT_EQ(fiche.views.generalLedger.filterItems, (QStringList{"Tous", "411000", "601000", "707000"}));
    EXPECT_EQ(fiche.views.generalLedger.grid.at(1, 2), "Mars");

    document::General(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::General);
    EXPECT_EQ(fiche.views.generalJournal.filterItems, journal.filterItems);
    EXPECT_EQ(fiche.views.generalJournal.grid.at(3, 1), "601000");
}

TEST_F(ReportCommandsTest, ChangingMonthOnAViewRebuildsItWithTheSameFilter)
{
    document::General(fiche);
    fiche.views.generalJournal.filter = QStringLiteral("VE");
    document::LitGeneral(fiche);
    EXPECT_EQ(fiche.views.generalJournal.totalDebit.trimmed(), "100,00");
    fiche.Suivant();
    EXPECT_EQ(fiche.views.generalJournal.filter, "VE");
    EXPECT_EQ(fiche.views.generalJournal.title, "Avril 2002");
    EXPECT_EQ(fiche.views.generalJournal.totalDebit.trimmed(), "50,00");
    EXPECT_TRUE(fiche.views.generalJournal.grid.at(3, 1).isEmpty());
    fiche.Precedent();
    EXPECT_EQ(fiche.views.generalJournal.title, "Mars 2002");
}

TEST_F(ReportCommandsTest, StatementsOpenOnTheFiscalYearAndIgnoreMonthChanges)
{
    document::Balance(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Balance);
    EXPECT_EQ(fiche.views.balance.from, QDate(2002, 1, 1));
    EXPECT_EQ(fiche.views.balance.to, QDate(2002, 12, 31));
    EXPECT_EQ(fiche.views.balance.totalDebit.trimmed(), "180,00");
    const int month = fiche.ledger.Mois;
    fiche.Premier();
    fiche.Suivant();
    EXPECT_EQ(fiche.ledger.Mois, month);

    fiche.views.balance.from = QDate(2002, 4, 1);
    document::LitBalance(fiche);
    EXPECT_EQ(fiche.views.balance.totalDebit.trimmed(), "50,00");
    document::Balance(fiche);
    EXPECT_EQ(fiche.views.balance.from, QDate(2002, 1, 1));

    document::Resultat(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Resultat);
    EXPECT_EQ(fiche.views.incomeStatement.to, QDate(2002, 12, 31));
    EXPECT_EQ(fiche.views.incomeStatement.grid.at(14, 1).trimmed(), "120,00");
}

TEST_F(ReportCommandsTest, BalanceSheetComputesItsFiguresAtItsDate)
{
    document::Bilan(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Bilan);
    const TextGrid &grid = fiche.views.balanceSheet.grid;
    EXPECT_EQ(grid.at(1, 0), "Actif immobilisé");
    EXPECT_EQ(grid.at(14, 4), "Fournisseurs et comptes rattachés");
    EXPECT_EQ(grid.at(10, 3).trimmed(), "150,00");
    EXPECT_EQ(grid.at(7, 5).trimmed(), "120,00");
    // The purchase has no counterpart.
    EXPECT_EQ(grid.at(21, 0), "Écart");
    EXPECT_EQ(grid.at(21, 3).trimmed(), "30,00");
    EXPECT_FALSE(fiche.views.balanceSheet.unassigned.isEmpty());

    // The position at the end of March: from the year's first day, whatever
    // start the page held; April's sale is left out.
    fiche.views.balanceSheet.from = QDate(2002, 4, 1);
    fiche.views.balanceSheet.to = QDate(2002, 3, 31);
    document::LitBilan(fiche);
    EXPECT_EQ(fiche.views.balanceSheet.from, QDate(2002, 1, 1));
    EXPECT_EQ(grid.at(10, 3).trimmed(), "100,00");
    EXPECT_EQ(grid.at(7, 5).trimmed(), "70,00");
    EXPECT_EQ(grid.at(21, 3).trimmed(), "30,00");
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    // A date outside the year is refused, and said why.
    fiche.views.balanceSheet.to = QDate(2003, 1, 31);
    document::LitBilan(fiche);
    EXPECT_TRUE(grid.at(10, 3).trimmed().isEmpty());
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Le bilan se fait à une date de l'exercice, du 01/01/2002 au "
                                                              "31/12/2002 : il part toujours du premier jour de "
                                                              "l'exercice, à-nouveaux compris.")});
}

TEST_F(ReportCommandsTest, TheBalanceOrderIsKeptInTheSettingsOfThisVersion)
{
    CurrentTempDir dir;
    fiche.ledger.loadPreferences();
    document::Balance(fiche);
    document::showClassSubtotals(fiche, true);
    EXPECT_EQ(fiche.views.balance.grid.at(2, 1), "Total classe 4");
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.cfg"))),
              "balance_tri_par_compte=oui\nbalance_sous_totaux_par_classe=oui\n");
    document::sortBalanceByAccount(fiche, false);
    EXPECT_EQ(fiche.views.balance.grid.at(1, 0), "411000");
    EXPECT_EQ(fiche.views.balance.grid.at(2, 0), "707000");
    document::sortBalanceByAccount(fiche, true);

    Fiche next(fake.platform);
    next.FormActivate();
    EXPECT_TRUE(next.views.balance.order.byAccount());
    EXPECT_FALSE(next.views.balance.order.classSubtotals());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(ReportCommandsTest, AFailedTotalIsShownToTheUser)
{
    fiche.ledger.Lignes.append("2002030" "07/03/2002");
    fiche.ledger.Lignes.append("2002035" "cent");
    document::Journal(fiche);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown.front().contains(QStringLiteral("cent")));
    EXPECT_TRUE(fiche.views.journal.totalDebit.isEmpty());
    fiche.views.journal.filter = QStringLiteral("AC");
    document::LitJnl(fiche);
    EXPECT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fiche.views.journal.totalDebit.trimmed(), "30,00");
}
