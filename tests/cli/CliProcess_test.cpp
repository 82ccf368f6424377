#include "CliProcess.h"
#include "LedgerText.h"
#include "TempDir.h"


#include <QDirIterator>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <map>

namespace {

// A dossier of 2002 in a folder holding the chart and the journals, the way a
// bookkeeper's folder looks.
struct CliTest : ::testing::Test {
    CurrentTempDir dir;

    CliTest()
    {
        writeBytes(dir.file("Tavelin.plc"), "411000 ON Clients\r\n512000 OO Banque\r\n706000 ON Ventes de marchandises\r\n"
                                            "607000 ON Achats de marchandises\r\n401000 ON Fournisseurs\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\nAC O Achats\r\nBQ O Banque\r\n");
    }

    QString ledger(const std::string &bytes, const QString &name = QStringLiteral("compta.jnl"))
    {
        writeBytes(dir.file(name), bytes);
        return name;
    }

    CliRun cli(const QStringList &args) { return runCli(args, dir.path()); }
};

// March 2002 in two blocks with April between them; accents and a check-off
// mark in code page 1252.
const std::string kMarch = kHeader2002 +
                           entry("200203", "05/03/2002", "411000", "Facture \xE9t\xE9", "VE", "      1234,50", "", "\xD7") +
                           entry("200203", "05/03/2002", "706000", "Facture \xE9t\xE9", "VE", "", "      1234,50") +
                           entry("200204", "02/04/2002", "607000", "Achat", "AC", "   80,00", "") +
                           entry("200204", "02/04/2002", "401000", "Achat", "AC", "", "   80,00") +
                           entry("200203", "28/03/2002", "512000", "Remise ch\xE8ques", "BQ", "  1234,50", "");

} // namespace

TEST_F(CliTest, HelpAndVersionAreFrenchAndSucceed)
{
    const CliRun help = cli({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.outText().startsWith(QStringLiteral("Usage : tavelin-cli COMMANDE FICHIER")));
    EXPECT_TRUE(help.outText().contains(QStringLiteral("balance FICHIER [--du JJ/MM/AAAA] [--au JJ/MM/AAAA]")));
    EXPECT_TRUE(help.err.isEmpty());

    const CliRun version = cli({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.outText().startsWith(QStringLiteral("tavelin-cli 1.")));
    EXPECT_TRUE(version.outText().endsWith(u'\n'));
}

TEST_F(CliTest, WrongUsageGoesToStandardErrorWithExitCodeTwo)
{
    const struct {
        QStringList args;
        QString error;
    } cases[] = {
        {{}, QStringLiteral("commande manquante")},
        {{QStringLiteral("bilans"), QStringLiteral("a.jnl")}, QStringLiteral("commande inconnue : « bilans »")},
        {{QStringLiteral("mois"), QStringLiteral("a.jnl"), QStringLiteral("2002-03")},
         QStringLiteral("mois invalide : « 2002-03 » (attendu AAAAMM, par exemple 200203)")},
        {{QStringLiteral("balance"), QStringLiteral("a.jnl"), QStringLiteral("--trier")}, QStringLiteral("option inconnue : « --trier »")},
    };
    for (const auto &c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.error.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.errText().startsWith(QStringLiteral("tavelin-cli : ") + c.error + u'\n')) << run.errText().toStdString();
        EXPECT_TRUE(run.errText().contains(QStringLiteral("Pour l'aide complète : tavelin-cli --help")));
    }
}

TEST_F(CliTest, AFileThatCannotBeReadIsNamedWithTheReason)
{
    QDir(dir.path()).mkdir(QStringLiteral("dossier.jnl"));
    const struct {
        QStringList args;
        QString message;
    } cases[] = {
        {{QStringLiteral("mois"), QStringLiteral("absent.jnl"), QStringLiteral("200203")},
         QStringLiteral("Impossible de lire le fichier absent.jnl : fichier ou dossier introuvable.\n")},
        {{QStringLiteral("balance"), QStringLiteral("dossier.jnl")},
         QStringLiteral("Impossible de lire le fichier dossier.jnl : le chemin désigne un dossier.\n")},
        {{QStringLiteral("verifier"), QStringLiteral("absent.jnl")},
         QStringLiteral("Impossible de lire le fichier absent.jnl : fichier ou dossier introuvable.\n")},
        {{QStringLiteral("verifier"), QStringLiteral("dossier.jnl")},
         QStringLiteral("Impossible de lire le fichier dossier.jnl : le chemin désigne un dossier.\n")},
    };
    for (const auto &c : cases) {
        const CliRun run = cli(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_EQ(run.errText(), c.message);
    }
}

TEST_F(CliTest, MonthListsTheEntryGridInUtf8WithTrimmedCells)
{
    const QString file = ledger(kMarch);
    const CliRun run = cli({QStringLiteral("mois"), file, QStringLiteral("200203")});
    ASSERT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_TRUE(run.err.isEmpty());
    EXPECT_EQ(run.outText(),
              QStringLiteral("05/03/2002\t411000\tFacture été\tVE\tP05\t1234,50\t\t×\n"
                             "05/03/2002\t706000\tFacture été\tVE\tP05\t\t1234,50\t\n"
                             "28/03/2002\t512000\tRemise chèques\tBQ\tP28\t1234,50\t\t\n"));
    EXPECT_FALSE(run.out.contains('\r'));

    const CliRun empty = cli({QStringLiteral("mois"), file, QStringLiteral("200205")});
    EXPECT_EQ(empty.exitCode, 0);
    EXPECT_TRUE(empty.out.isEmpty());
}

TEST_F(CliTest, CheckExitsWithThreeWhenItFindsSomething)
{
    const std::string balanced = kHeader2002 + entry("200203", "05/03/2002", "411000", "Vente", "VE", "10,00", "") +
                                 entry("200203", "05/03/2002", "706000", "Vente", "VE", "", "10,00");
    const CliRun ok = cli({QStringLiteral("verifier"), ledger(balanced, QStringLiteral("ok.jnl"))});
    EXPECT_EQ(ok.exitCode, 0);
    EXPECT_EQ(ok.outText(), QStringLiteral("Totaux des mois :\n"
                                           "Mars 2002 : débit 10,00 ; crédit 10,00\n"
                                           "Total de l'exercice : débit 10,00 ; crédit 10,00\n"
                                           "Aucune anomalie.\n"));

    const std::string faulty = balanced + entry("200203", "06/03/2002", "999000", "Erreur", "ZZ", "5,00", "5,00");
    const CliRun found = cli({QStringLiteral("verifier"), ledger(faulty, QStringLiteral("ko.jnl"))});
    EXPECT_EQ(found.exitCode, 3);
    EXPECT_TRUE(found.err.isEmpty());
    EXPECT_TRUE(found.outText().startsWith(QStringLiteral(
        "Mars 2002, écriture 3 (ligne 23 du fichier) : le compte 999000 n'existe pas dans le plan comptable.\n"
        "Mars 2002, écriture 3 (ligne 25 du fichier) : le journal ZZ n'existe pas dans la liste des journaux.\n\n")))
        << found.outText().toStdString();
    EXPECT_TRUE(found.outText().endsWith(QStringLiteral("2 anomalies.\n")));
}

TEST_F(CliTest, NoCommandWritesAnyFile)
{
    // Short lines the loading drops, a chart the loading sorts, a journals
    // file under another case: all things the application would write back.
    ledger(kMarch + "\r\n0\r\n");
    writeBytes(dir.file("Tavelin.plc"), "706000 ON Ventes\r\n411000 ON Clients\r\n");
    QFile::rename(dir.file("Tavelin.cbx"), dir.file("tavelin.CBX"));

    auto snapshot = [&] {
        std::map<QString, std::pair<std::string, qint64>> files;
        QDirIterator it(dir.path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        while (it.hasNext()) {
            const QString path = it.next();
            files[path] = {readBytes(path), QFileInfo(path).lastModified().toMSecsSinceEpoch()};
        }
        return files;
    };
    const auto before = snapshot();
    const QStringList commands[] = {
        {QStringLiteral("mois"), QStringLiteral("compta.jnl"), QStringLiteral("200203")},
        {QStringLiteral("journal"), QStringLiteral("compta.jnl"), QStringLiteral("200203")},
        {QStringLiteral("grand-livre"), QStringLiteral("compta.jnl"), QStringLiteral("200203")},
        {QStringLiteral("journal-general"), QStringLiteral("compta.jnl"), QStringLiteral("200203")},
        {QStringLiteral("balance"), QStringLiteral("compta.jnl")},
        {QStringLiteral("resultat"), QStringLiteral("compta.jnl")},
        {QStringLiteral("verifier"), QStringLiteral("compta.jnl")},
    };
    for (const QStringList &args : commands) {
        const CliRun run = cli(args);
        EXPECT_TRUE(run.exitCode == 0 || run.exitCode == 3) << args.join(u' ').toStdString();
    }
    EXPECT_EQ(snapshot(), before);
}
