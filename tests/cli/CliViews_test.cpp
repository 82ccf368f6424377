#include "CliProcess.h"
#include "FakePlatform.h"
#include "TempDir.h"

#include "ledger/Fiche.h"
#include "reports/AccountBalance.h"
#include "reports/IncomeStatement.h"
#include "reports/MonthViews.h"
#include "reports/ReportCommands.h"

#include <gtest/gtest.h>

namespace {

std::string entry(const std::string &key, const std::string &date, const std::string &account, const std::string &label,
                  const std::string &journal, const std::string &debit, const std::string &credit,
                  const std::string &mark = "")
{
    const std::string cells[8] = {date, account, label, journal, "P" + date.substr(0, 2), debit, credit, mark};
    std::string out;
    for (int c = 0; c < 8; ++c)
        out += key + char('0' + c) + cells[c] + "\r\n";
    return out;
}

// A sale and its payment in March, a purchase in April.
const std::string kDossier = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n" +
                             entry("200203", "05/03/2002", "411000", "Facture \xE9t\xE9", "VE", "      1234,50", "", "\xD7") +
                             entry("200203", "05/03/2002", "706000", "Facture \xE9t\xE9", "VE", "", "      1234,50") +
                             entry("200204", "02/04/2002", "607000", "Achat", "AC", "   80,00", "") +
                             entry("200204", "02/04/2002", "401000", "Achat", "AC", "", "   80,00") +
                             entry("200203", "28/03/2002", "512000", "Remise ch\xE8ques", "BQ", "  1234,50", "") +
                             entry("200203", "28/03/2002", "411000", "Remise ch\xE8ques", "BQ", "", "  1234,50");

struct CliViewsTest : ::testing::Test {
    CurrentTempDir dir;

    CliViewsTest()
    {
        writeBytes(dir.file("Tavelin.plc"), "411000 ON Clients\r\n512000 OO Banque\r\n706000 ON Ventes de marchandises\r\n"
                                            "607000 ON Achats de marchandises\r\n401000 ON Fournisseurs\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\nAC O Achats\r\nBQ O Banque\r\n");
        writeBytes(dir.file("compta.jnl"), kDossier);
    }

    QString out(QStringList args)
    {
        args.insert(1, QStringLiteral("compta.jnl"));
        const CliRun run = runCli(args, dir.path());
        EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.errText().toStdString();
        return run.outText();
    }
};

} // namespace

TEST_F(CliViewsTest, JournalListsTheMonthsEntriesThenTheTotals)
{
    EXPECT_EQ(out({QStringLiteral("journal"), QStringLiteral("200203")}),
              QStringLiteral("05/03/2002\t411000\tFacture été\tVE\tP05\t1234,50\t\t×\n"
                             "05/03/2002\t706000\tFacture été\tVE\tP05\t\t1234,50\t\n"
                             "28/03/2002\t512000\tRemise chèques\tBQ\tP28\t1234,50\t\t\n"
                             "28/03/2002\t411000\tRemise chèques\tBQ\tP28\t\t1234,50\t\n"
                             "Totaux\t2469,00\t2469,00\n"));
    EXPECT_EQ(out({QStringLiteral("journal"), QStringLiteral("200203"), QStringLiteral("--journal"), QStringLiteral("BQ")}),
              QStringLiteral("28/03/2002\t512000\tRemise chèques\tBQ\tP28\t1234,50\t\t\n"
                             "28/03/2002\t411000\tRemise chèques\tBQ\tP28\t\t1234,50\t\n"
                             "Totaux\t1234,50\t1234,50\n"));
    // A journal without entries in the month: no rows, zero totals.
    EXPECT_EQ(out({QStringLiteral("journal"), QStringLiteral("200203"), QStringLiteral("--journal=AC")}),
              QStringLiteral("Totaux\t0,00\t0,00\n"));
}

TEST_F(CliViewsTest, LedgerCompletesTheAccountLikeTheFilterCombo)
{
    EXPECT_EQ(out({QStringLiteral("grand-livre"), QStringLiteral("200203"), QStringLiteral("--compte"), QStringLiteral("411")}),
              QStringLiteral("05/03/2002\t411000\tFacture été\tVE\tP05\t1234,50\t\t×\n"
                             "28/03/2002\t411000\tRemise chèques\tBQ\tP28\t\t1234,50\t\n"
                             "Totaux\t1234,50\t1234,50\n"));
    const QString all = out({QStringLiteral("grand-livre"), QStringLiteral("200204")});
    EXPECT_EQ(all, QStringLiteral("02/04/2002\t607000\tAchat\tAC\tP02\t80,00\t\t\n"
                                  "02/04/2002\t401000\tAchat\tAC\tP02\t\t80,00\t\n"
                                  "Totaux\t80,00\t80,00\n"));
}

TEST_F(CliViewsTest, GeneralJournalGivesOneRowPerAccount)
{
    EXPECT_EQ(out({QStringLiteral("journal-general"), QStringLiteral("200203")}),
              QStringLiteral("28/03/2002\t411000\tClients\tBQ\t1234,50\t1234,50\n"
                             "05/03/2002\t706000\tVentes de marchandises\tVE\t\t1234,50\n"
                             "28/03/2002\t512000\tBanque\tBQ\t1234,50\t\n"
                             "Totaux\t2469,00\t2469,00\n"));
    EXPECT_EQ(out({QStringLiteral("journal-general"), QStringLiteral("200203"), QStringLiteral("--journal"), QStringLiteral("VE")}),
              QStringLiteral("05/03/2002\t411000\tClients\tVE\t1234,50\t\n"
                             "05/03/2002\t706000\tVentes de marchandises\tVE\t\t1234,50\n"
                             "Totaux\t1234,50\t1234,50\n"));
}

TEST_F(CliViewsTest, BalanceCoversTheFiscalYearOrTheDatesGiven)
{
    EXPECT_EQ(out({QStringLiteral("balance")}),
              QStringLiteral("411000\tClients\t1234,50\t1234,50\t\t0,00\n"
                             "706000\tVentes de marchandises\t\t1234,50\t\t1234,50\n"
                             "607000\tAchats de marchandises\t80,00\t\t80,00\t\n"
                             "401000\tFournisseurs\t\t80,00\t\t80,00\n"
                             "512000\tBanque\t1234,50\t\t1234,50\t\n"
                             "Totaux\t2549,00\t2549,00\t1314,50\t1314,50\n"));
    EXPECT_EQ(out({QStringLiteral("balance"), QStringLiteral("--du"), QStringLiteral("01/04/2002")}),
              QStringLiteral("607000\tAchats de marchandises\t80,00\t\t80,00\t\n"
                             "401000\tFournisseurs\t\t80,00\t\t80,00\n"
                             "Totaux\t80,00\t80,00\t80,00\t80,00\n"));
    // The end date is included, the day after it is not.
    EXPECT_EQ(out({QStringLiteral("balance"), QStringLiteral("--du=05/03/2002"), QStringLiteral("--au=05/03/2002")}),
              QStringLiteral("411000\tClients\t1234,50\t\t1234,50\t\n"
                             "706000\tVentes de marchandises\t\t1234,50\t\t1234,50\n"
                             "Totaux\t1234,50\t1234,50\t1234,50\t1234,50\n"));
    EXPECT_EQ(out({QStringLiteral("balance"), QStringLiteral("--du"), QStringLiteral("31/12/2002"), QStringLiteral("--au"),
                   QStringLiteral("01/01/2002")}),
              QStringLiteral("Totaux\t0,00\t0,00\t0,00\t0,00\n"));
}

TEST_F(CliViewsTest, IncomeStatementPrintsItsSixteenRows)
{
    EXPECT_EQ(out({QStringLiteral("resultat")}),
              QStringLiteral("Achats\t80,00\tVentes\t1234,50\n"
                             "Services extérieurs\t\tProduction stockée\t\n"
                             "Autres services extérieurs\t\tProduction immobilisée\t\n"
                             "Impôts, taxes\t\tProduits nets, long terme\t\n"
                             "Charges de personnel\t\tSuventions\t\n"
                             "Autres charges de gestion courante\t\tAutres produits de gestion courante\t\n"
                             "Charges financières\t\tProduits financiers\t\n"
                             "Charges exceptionnelles\t\tProduits exceptionnels\t\n"
                             "Dotations aux amortissements\t\tReprise sur amortissement\t\n"
                             "Participation des salariés\t\tTransferts de chages\t\n"
                             "\t\t\t\n"
                             "Total des charges d'exploitation\t80,00\tTotal des produits d'exploitation\t1234,50\n"
                             "Total\t80,00\tTotal\t1234,50\n"
                             "Solde créditeur : Bénefices\t1154,50\tSolde débiteur : Pertes\t\n"
                             "\t\t\t\n"
                             "TOTAL GENERAL\t1234,50\tTOTAL GENERAL\t1234,50\n"));
    const QString april = out({QStringLiteral("resultat"), QStringLiteral("--du"), QStringLiteral("01/04/2002")});
    EXPECT_TRUE(april.startsWith(QStringLiteral("Achats\t80,00\tVentes\t\n"))) << april.toStdString();
    EXPECT_TRUE(april.contains(QStringLiteral("\nSolde créditeur : Bénefices\t\tSolde débiteur : Pertes\t80,00\n")));
}

TEST_F(CliViewsTest, EveryListingHoldsTheCellsOfTheApplicationsGrids)
{
    // A year of entries over several journals and accounts, some outside the
    // chart, some without a journal, and an amount that is not a number.
    std::string bytes = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
    const char *accounts[] = {"411000", "706000", "607000", "401000", "512000", "622600", "791000", "411"};
    const char *journals[] = {"VE", "AC", "BQ", ""};
    for (int i = 0; i < 300; ++i) {
        const int month = 1 + i % 12;
        const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
        const std::string day = (i % 27 < 9 ? "0" : "") + std::to_string(i % 27 + 1);
        const std::string amount = "  " + std::to_string(i * 37 % 1000) + "," + std::to_string(10 + i % 90);
        bytes += entry("2002" + mm, day + "/" + mm + "/2002", accounts[i % 8], "Op\xE9ration " + std::to_string(i),
                       journals[i % 4], i % 2 ? amount : "", i % 2 ? "" : (i == 150 ? "n/a" : amount), i % 5 ? "" : "\xD7");
    }
    writeBytes(dir.file("annee.jnl"), bytes);

    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.FormActivate();
    ASSERT_TRUE(fiche.Charge(dir.file("annee.jnl")));

    auto cliRows = [&](QStringList args) {
        args.insert(1, QStringLiteral("annee.jnl"));
        const CliRun run = runCli(args, dir.path());
        EXPECT_EQ(run.exitCode, 0);
        return run.rows();
    };
    auto gridRows = [](const TextGrid &grid, int first, int last) {
        QList<QStringList> rows;
        for (int r = first; r <= last; ++r) {
            QStringList cells;
            for (int c = 0; c < grid.colCount(); ++c)
                cells.append(grid.at(r, c).trimmed());
            rows.append(cells);
        }
        return rows;
    };
    auto lastRow = [](const TextGrid &grid) {
        int last = 0;
        for (int r = 1; r < grid.rowCount(); ++r)
            if (!grid.at(r, 0).isEmpty())
                last = r;
        return last;
    };

    for (int month = 1; month <= 12; ++month) {
        const QString key = QStringLiteral("2002%1").arg(month, 2, 10, QLatin1Char('0'));
        fiche.Annee = 2002;
        fiche.Mois = quint16(month);
        struct {
            QString command;
            void (*open)(Fiche &);
            MonthViewPage &page;
        } views[] = {{QStringLiteral("journal"), reports::Journal, fiche.views.journal},
                     {QStringLiteral("grand-livre"), reports::Comptes, fiche.views.comptes},
                     {QStringLiteral("journal-general"), reports::General, fiche.views.general}};
        for (auto &v : views) {
            v.open(fiche);
            QList<QStringList> expected = gridRows(v.page.grid, 1, lastRow(v.page.grid));
            expected.append({QStringLiteral("Totaux"), v.page.totalDebit.trimmed(), v.page.totalCredit.trimmed()});
            EXPECT_EQ(cliRows({v.command, key}), expected) << v.command.toStdString() << ' ' << month;
        }
        reports::Comptes(fiche);
        fiche.views.comptes.filter = QStringLiteral("706");
        reports::LitCpt(fiche);
        QList<QStringList> expected = gridRows(fiche.views.comptes.grid, 1, lastRow(fiche.views.comptes.grid));
        expected.append({QStringLiteral("Totaux"), fiche.views.comptes.totalDebit.trimmed(),
                         fiche.views.comptes.totalCredit.trimmed()});
        EXPECT_EQ(cliRows({QStringLiteral("grand-livre"), key, QStringLiteral("--compte"), QStringLiteral("706")}), expected);
    }

    reports::Balance(fiche);
    const BalancePage &balance = fiche.views.balance;
    QList<QStringList> expected = gridRows(balance.grid, 1, lastRow(balance.grid));
    ASSERT_EQ(expected.size(), 8);
    expected.append({QStringLiteral("Totaux"), balance.Edit18.trimmed(), balance.Edit19.trimmed(), balance.Edit13.trimmed(),
                     balance.Edit16.trimmed()});
    EXPECT_EQ(cliRows({QStringLiteral("balance")}), expected);

    reports::Resultat(fiche);
    fiche.views.resultat.from = QDate(2002, 4, 1);
    fiche.views.resultat.to = QDate(2002, 9, 30);
    reports::LitResultat(fiche);
    EXPECT_EQ(cliRows({QStringLiteral("resultat"), QStringLiteral("--du"), QStringLiteral("01/04/2002"),
                       QStringLiteral("--au"), QStringLiteral("30/09/2002")}),
              gridRows(fiche.views.resultat.grid, 1, 16));
}
