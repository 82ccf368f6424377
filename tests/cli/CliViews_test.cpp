#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

// A sale and its payment in March, a purchase in April.
const std::string kViewsDossier = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n" +
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
        writeBytes(dir.file("compta.jnl"), kViewsDossier);
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

TEST_F(CliViewsTest, IncomeStatementPrintsItsSixteenRowsAndTheResultsByNature)
{
    EXPECT_EQ(out({QStringLiteral("resultat")}),
              QStringLiteral("Achats\t80,00\tVentes\t1234,50\n"
                             "Services extérieurs\t\tProduction stockée\t\n"
                             "Autres services extérieurs\t\tProduction immobilisée\t\n"
                             "Impôts, taxes\t\tProduits nets, long terme\t\n"
                             "Charges de personnel\t\tSubventions\t\n"
                             "Autres charges de gestion courante\t\tAutres produits de gestion courante\t\n"
                             "Charges financières\t\tProduits financiers\t\n"
                             "Charges exceptionnelles\t\tProduits exceptionnels\t\n"
                             "Dotations aux amortissements\t\tReprise sur amortissement\t\n"
                             "Participation des salariés\t\tTransferts de charges\t\n"
                             "Impôts sur les bénéfices\t\t\t\n"
                             "Total des charges d'exploitation\t80,00\tTotal des produits d'exploitation\t1234,50\n"
                             "Total\t80,00\tTotal\t1234,50\n"
                             "Solde créditeur : Bénéfices\t1154,50\tSolde débiteur : Pertes\t\n"
                             "\t\t\t\n"
                             "TOTAL GÉNÉRAL\t1234,50\tTOTAL GÉNÉRAL\t1234,50\n"
                             "Résultat d'exploitation\t1154,50\n"
                             "Résultat financier\t0,00\n"
                             "Résultat courant avant impôts\t1154,50\n"
                             "Résultat exceptionnel\t0,00\n"
                             "Participation des salariés\t0,00\n"
                             "Impôts sur les bénéfices\t0,00\n"
                             "Résultat de l'exercice\t1154,50\n"));
    const QString april = out({QStringLiteral("resultat"), QStringLiteral("--du"), QStringLiteral("01/04/2002")});
    EXPECT_TRUE(april.startsWith(QStringLiteral("Achats\t80,00\tVentes\t\n"))) << april.toStdString();
    EXPECT_TRUE(april.contains(QStringLiteral("\nSolde créditeur : Bénéfices\t\tSolde débiteur : Pertes\t80,00\n")));
}

TEST_F(CliViewsTest, BalanceInAccountOrderWithClassSubtotals)
{
    EXPECT_EQ(out({QStringLiteral("balance"), QStringLiteral("--classes")}),
              QStringLiteral("401000\tFournisseurs\t\t80,00\t\t80,00\n"
                             "411000\tClients\t1234,50\t1234,50\t\t0,00\n"
                             "\tTotal classe 4\t1234,50\t1314,50\t0,00\t80,00\n"
                             "512000\tBanque\t1234,50\t\t1234,50\t\n"
                             "\tTotal classe 5\t1234,50\t0,00\t1234,50\t0,00\n"
                             "607000\tAchats de marchandises\t80,00\t\t80,00\t\n"
                             "\tTotal classe 6\t80,00\t0,00\t80,00\t0,00\n"
                             "706000\tVentes de marchandises\t\t1234,50\t\t1234,50\n"
                             "\tTotal classe 7\t0,00\t1234,50\t0,00\t1234,50\n"
                             "Totaux\t2549,00\t2549,00\t1314,50\t1314,50\n"));
}

TEST_F(CliViewsTest, BalanceSheetPrintsItsRowsThenAnyGap)
{
    EXPECT_EQ(out({QStringLiteral("bilan")}),
              QStringLiteral("Actif immobilisé\t\t\t\tCapitaux propres\t\n"
                             "Immobilisations incorporelles\t0,00\t0,00\t0,00\tCapital\t0,00\n"
                             "Immobilisations corporelles\t0,00\t0,00\t0,00\tÉcart de réévaluation\t0,00\n"
                             "Immobilisations financières\t0,00\t0,00\t0,00\tRéserves réglementées\t0,00\n"
                             "Total I\t0,00\t0,00\t0,00\tAutres réserves\t0,00\n"
                             "\t\t\t\tReport à nouveau\t0,00\n"
                             "Actif circulant\t\t\t\tRésultat de l'exercice\t1154,50\n"
                             "Stocks et en-cours\t0,00\t0,00\t0,00\tProvisions réglementées\t0,00\n"
                             "Avances et acomptes versés\t0,00\t0,00\t0,00\tTotal I\t1154,50\n"
                             "Créances\t0,00\t0,00\t0,00\t\t\n"
                             "Valeurs mobilières\t0,00\t0,00\t0,00\tProvisions pour risques et charges (II)\t0,00\n"
                             "Disponibilités\t1234,50\t0,00\t1234,50\tEmprunts et dettes\t0,00\n"
                             "Charges constatées d'avance\t0,00\t0,00\t0,00\tAvances et acomptes reçus\t0,00\n"
                             "Total II\t1234,50\t0,00\t1234,50\tFournisseurs et comptes rattachés\t80,00\n"
                             "\t\t\t\tAutres dettes\t0,00\n"
                             "\t\t\t\tProduits constatés d'avance\t0,00\n"
                             "\t\t\t\tTotal III\t80,00\n"
                             "\t\t\t\t\t\n"
                             "TOTAL GÉNÉRAL I+II\t1234,50\t0,00\t1234,50\tTOTAL GÉNÉRAL I+II+III\t1234,50\n"));

    // An entry without its counterpart: the gap follows, the reason goes to the errors.
    writeBytes(dir.file("ecart.jnl"), kViewsDossier.substr(0, kViewsDossier.find("</HEAD>") + 9) +
                                          entry("200206", "10/06/2002", "512000", "Seul", "BQ", "10,00", ""));
    const CliRun run = runCli({QStringLiteral("bilan"), QStringLiteral("ecart.jnl"), QStringLiteral("--au"),
                               QStringLiteral("30/06/2002")},
                              dir.path());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.outText().endsWith(QStringLiteral("\nTOTAL GÉNÉRAL I+II\t10,00\t0,00\t10,00\tTOTAL GÉNÉRAL I+II+III\t0,00\n"
                                                      "Écart\t10,00\n")));
    EXPECT_EQ(run.errText(), QStringLiteral("Tous les comptes ont leur ligne au bilan, mais les débits et les crédits de "
                                            "la période diffèrent de 10,00.\n"));
}

// The position at the end of March: March's sale and its payment, not April's
// purchase; a starting date is refused, and said why.
TEST_F(CliViewsTest, BalanceSheetIsThePositionAtItsDate)
{
    const QString sheet = out({QStringLiteral("bilan"), QStringLiteral("--au"), QStringLiteral("31/03/2002")});
    EXPECT_TRUE(sheet.contains(QStringLiteral("\nActif circulant\t\t\t\tRésultat de l'exercice\t1234,50\n")));
    EXPECT_TRUE(sheet.contains(QStringLiteral("\tTotal II\t1234,50\t0,00\t1234,50\tFournisseurs et comptes rattachés\t0,00\n")
                                   .mid(1)));

    const CliRun from = runCli({QStringLiteral("bilan"), QStringLiteral("compta.jnl"), QStringLiteral("--du"),
                                QStringLiteral("01/04/2002")},
                               dir.path());
    EXPECT_EQ(from.exitCode, 2);
    EXPECT_TRUE(from.out.isEmpty());
    EXPECT_TRUE(from.errText().startsWith(
        QStringLiteral("tavelin-cli : le bilan n'a pas de date --du : c'est la situation à une date, depuis le premier "
                       "jour de l'exercice (à-nouveaux compris) ; donner cette date par --au JJ/MM/AAAA\n")));

    const CliRun outside = runCli({QStringLiteral("bilan"), QStringLiteral("compta.jnl"), QStringLiteral("--au"),
                                   QStringLiteral("01/01/2003")},
                                  dir.path());
    EXPECT_EQ(outside.exitCode, 2);
    EXPECT_TRUE(outside.out.isEmpty());
    EXPECT_EQ(outside.errText(), QStringLiteral("Le bilan se fait à une date de l'exercice, du 01/01/2002 au 31/12/2002 : "
                                                "il part toujours du premier jour de l'exercice, à-nouveaux compris.\n"));
}
