#include "CliProcess.h"
#include "LedgerText.h"
#include "SmallDisk.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// tavelin-cli exporter, importer, cloture and rechercher, run as a script
// runs them, in a bookkeeper's folder.

namespace {

const std::string kExchangeDossier = kHeader2002 +
                             entry("200203", "05/03/2002", "411000", "Facture \xE9t\xE9", "VE", "      1234,50", "", "\xD7") +
                             entry("200203", "05/03/2002", "706000", "Facture \xC9T\xC9", "VE", "", "      1234,50") +
                             entry("200301", "02/01/2003", "607000", "Achat hors exercice", "AC", "   80,00", "") +
                             entry("200201", "28/01/2002", "512000", "Remise", "BQ", "   80,00", "");

struct CliExchangeTest : ::testing::Test {
    CurrentTempDir dir;

    CliExchangeTest()
    {
        writeBytes(dir.file("Tavelin.plc"), "411000 ON Clients\r\n512000 OO Banque\r\n706000 ON Ventes\r\n"
                                            "607000 ON Achats\r\n120000 NN R\xE9sultat\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\nAC O Achats\r\nBQ O Banque\r\n");
        writeBytes(dir.file("compta.jnl"), kExchangeDossier);
    }

    CliRun cli(const QStringList &args) { return runCli(args, dir.path()); }
    static QStringList args(std::initializer_list<const char *> list)
    {
        QStringList out;
        for (const char *a : list)
            out.append(QString::fromUtf8(a));
        return out;
    }
};

QByteArray bytes(const std::string &s)
{
    return QByteArray(s.data(), qsizetype(s.size()));
}

} // namespace

TEST_F(CliExchangeTest, HelpListsTheExchangeCommands)
{
    const QString help = cli({QStringLiteral("--help")}).outText();
    for (const char *usage : {"exporter FICHIER [--mois AAAAMM] [--sortie FICHIER.txt]", "importer FICHIER ENTREES.txt",
                              "cloture FICHIER [--definitive] [--sortie FICHIER.txt]", "rechercher FICHIER TEXTE"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(usage))) << usage;
}

TEST_F(CliExchangeTest, ExporterWritesTheWholeJournalInCodePage1252)
{
    const CliRun run = cli(args({"exporter", "compta.jnl"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(run.out, bytes("05/03/2002\t411000\tFacture \xE9t\xE9\tVE\tP05\t1234,50\t\t\xD7\r\n"
                             "05/03/2002\t706000\tFacture \xC9T\xC9\tVE\tP05\t\t1234,50\t\r\n"
                             "02/01/2003\t607000\tAchat hors exercice\tAC\tP02\t80,00\t\t\r\n"
                             "28/01/2002\t512000\tRemise\tBQ\tP28\t80,00\t\t\r\n"));
}

TEST_F(CliExchangeTest, ExporterOfAMonthToAFile)
{
    const CliRun run = cli(args({"exporter", "compta.jnl", "--mois", "200203", "--sortie", "mars.txt"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(readBytes(dir.file("mars.txt")), "05/03/2002\t411000\tFacture \xE9t\xE9\tVE\tP05\t1234,50\t\r\n"
                                               "05/03/2002\t706000\tFacture \xC9T\xC9\tVE\tP05\t\t1234,50\r\n");
    EXPECT_EQ(cli(args({"exporter", "compta.jnl", "--mois", "200206"})).out, QByteArray());
}

TEST_F(CliExchangeTest, ExporterToAFullDiskKeepsThePreviousFile)
{
    SmallDisk disk("size=4k");
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    std::string big = kHeader2002;
    for (int i = 0; i < 200; ++i)
        big += entry("200203", "05/03/2002", "411000", std::string(60, 'x'), "VE", "1,00", "");
    writeBytes(dir.file("gros.jnl"), big);
    const QString target = disk.file(QStringLiteral("banque.txt"));
    writeBytes(target, "ancien\r\n");
    const CliRun run = cli({QStringLiteral("exporter"), QStringLiteral("gros.jnl"), QStringLiteral("--sortie"), target});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), QStringLiteral("Impossible d'enregistrer le fichier %1 : le disque est plein.\n").arg(target));
    EXPECT_EQ(readBytes(target), "ancien\r\n");
}

TEST_F(CliExchangeTest, ImporterAppendsTheEntriesAndSavesTheDossier)
{
    writeBytes(dir.file("releve.txt"), "15/03/2002\t512000\tVirement re\xC3\xA7u\tBQ\t\t1234,50\n"
                                       "15/03/2002\t411000\tVirement re\xC3\xA7u\tBQ\t\t\t1234,50\n");
    const CliRun run = cli(args({"importer", "compta.jnl", "releve.txt"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errText(), QStringLiteral("2 écritures importées.\n"));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(readBytes(dir.file("compta.jnl")),
              kExchangeDossier + "200203015/03/2002\r\n2002031512000\r\n2002032Virement re\xE7u\r\n2002033BQ\r\n2002034\r\n"
                         "20020351234,50\r\n200203015/03/2002\r\n2002031411000\r\n2002032Virement re\xE7u\r\n"
                         "2002033BQ\r\n2002034\r\n2002035\r\n20020361234,50\r\n");
    const CliRun month = cli(args({"mois", "compta.jnl", "200203"}));
    EXPECT_EQ(month.rows().size(), 4);
}

TEST_F(CliExchangeTest, ImporterOfAFileThatCannotBeReadLeavesTheDossierUntouched)
{
    const CliRun run = cli(args({"importer", "compta.jnl", "absent.txt"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), QStringLiteral("Impossible de lire le fichier absent.txt : fichier ou dossier introuvable.\n"));
    EXPECT_EQ(readBytes(dir.file("compta.jnl")), kExchangeDossier);
}

TEST_F(CliExchangeTest, ImporterRefusesADossierAnotherSessionHasOpen)
{
    writeBytes(dir.file("releve.txt"), "15/03/2002\t512000\tVirement\tBQ\t\t1234,50\n");
    writeBytes(dir.file(".compta.jnl.verrou"), "marie\nposte-compta\n4242\n2002-03-15T09:15:00\n");
    const CliRun run = cli(args({"importer", "compta.jnl", "releve.txt"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), QStringLiteral("Ce dossier est déjà ouvert par marie sur poste-compta depuis le 15/03/2002 à 09:15\n"));
    EXPECT_EQ(readBytes(dir.file("compta.jnl")), kExchangeDossier);
}

TEST_F(CliExchangeTest, ImporterWhoseSaveFailsSaysNothingWasAdded)
{
    SmallDisk disk("size=16k");
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString dossier = disk.file(QStringLiteral("compta.jnl"));
    writeBytes(dossier, kExchangeDossier);
    std::string statement;
    for (int i = 0; i < 100; ++i)
        statement += "15/03/2002\t512000\t" + std::string(80, 'x') + "\tBQ\t\t1,00\n";
    writeBytes(dir.file("releve.txt"), statement);
    const CliRun run = cli({QStringLiteral("importer"), dossier, QStringLiteral("releve.txt")});
    EXPECT_EQ(run.exitCode, 1);
    // No summary: nothing the dossier holds was imported.
    EXPECT_EQ(run.errText(), QStringLiteral("Impossible d'enregistrer le fichier %1 : le disque est plein.\n"
                                            "Aucune écriture n'a été ajoutée au dossier.\n")
                                 .arg(dossier));
    EXPECT_EQ(readBytes(dossier), kExchangeDossier);
}

TEST_F(CliExchangeTest, ClotureWritesTheOpeningEntriesWithoutAQuestion)
{
    std::string year = kExchangeDossier;
    year.erase(year.find("200301"), entry("200301", "02/01/2003", "607000", "Achat hors exercice", "AC", "   80,00", "").size());
    writeBytes(dir.file("compta.jnl"), year);
    const CliRun run = cli(args({"cloture", "compta.jnl"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(run.out, bytes("01/01/2003\t411000\tClients\tAN\t\t1234,50\r\n"
                             "01/01/2003\t512000\tBanque\tAN\t\t80,00\r\n"
                             "01/01/2003\t120000\tR\xE9sultat\tAN\t\t\t1234,50\r\n"));
    EXPECT_FALSE(QFile::exists(dir.file("ANouveau.Txt")));

    EXPECT_EQ(cli(args({"cloture", "compta.jnl", "--sortie", "ANouveau.Txt"})).exitCode, 0);
    EXPECT_EQ(bytes(readBytes(dir.file("ANouveau.Txt"))), run.out);
}

TEST_F(CliExchangeTest, ARefusedClosingWritesNothing)
{
    writeBytes(dir.file("close.jnl"), "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n31/12/2002\r\n</HEAD>\r\n");
    CliRun run = cli(args({"cloture", "close.jnl", "--sortie", "ANouveau.Txt"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), QStringLiteral("Exercice déjà clôturé\n"));
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_FALSE(QFile::exists(dir.file("ANouveau.Txt")));

    // Lines that are no entry of the year: the closing would not add up to the statements.
    writeBytes(dir.file("bizarre.jnl"), kHeader2002 + "2002035   10,00\r\n");
    run = cli(args({"cloture", "bizarre.jnl"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.errText(), QStringLiteral("Clôture impossible : des lignes du dossier ne sont pas des écritures de "
                                            "l'exercice.\nMars 2002, ligne 1 : cette ligne ne suit pas la date de son "
                                            "écriture : la saisie la lit, les états ne la comptent pas.\n"));
    EXPECT_TRUE(run.out.isEmpty());
    run = cli(args({"cloture", "compta.jnl"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errText().endsWith(QStringLiteral("\nJanvier 2003, ligne 1 : la date 02/01/2003 est en dehors de "
                                                      "l'exercice (du 01/01/2002 au 31/12/2002).\n")))
        << run.errText().toStdString();
}

TEST_F(CliExchangeTest, RechercherListsTheRowsOfEveryMonthInKeyOrder)
{
    const CliRun run = cli(args({"rechercher", "compta.jnl", "été"}));
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.outText(), QStringLiteral("200203\t1\t05/03/2002\t411000\tFacture été\tVE\tP05\t1234,50\t\t×\n"
                                            "200203\t2\t05/03/2002\t706000\tFacture ÉTÉ\tVE\tP05\t\t1234,50\t\n"));
    const CliRun amounts = cli(args({"rechercher", "compta.jnl", "80,00"}));
    EXPECT_EQ(amounts.outText(), QStringLiteral("200201\t1\t28/01/2002\t512000\tRemise\tBQ\tP28\t80,00\t\t\n"
                                                "200301\t1\t02/01/2003\t607000\tAchat hors exercice\tAC\tP02\t80,00\t\t\n"));
}

TEST_F(CliExchangeTest, RechercherWithoutMatchExitsWithThree)
{
    const CliRun run = cli(args({"rechercher", "compta.jnl", "80.00"}));
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(cli(args({"rechercher", "absent.jnl", "x"})).exitCode, 1);
}
