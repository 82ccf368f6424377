#include "CliProcess.h"
#include "LedgerText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// tavelin-cli valider, importer in a validated period, verifier of altered
// entries, fec and cloture --definitive, run as a script runs them.

namespace {

const std::string kYearEndDossier = kHeader2002 + entry("200203", "05/03/2002", "411000", "Facture", "VE", "  120,00", "") +
                             entry("200203", "05/03/2002", "706000", "Facture", "VE", "", "  120,00");

struct CliYearEndTest : ::testing::Test {
    CurrentTempDir dir;

    CliYearEndTest()
    {
        writeBytes(dir.file("Tavelin.plc"), "411000 ON Clients\r\n706000 NN Ventes\r\n101000 NN Capital\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\n");
        writeBytes(dir.file("compta.jnl"), kYearEndDossier);
    }

    CliRun cli(std::initializer_list<const char *> list)
    {
        QStringList args;
        for (const char *a : list)
            args.append(QString::fromUtf8(a));
        return runCli(args, dir.path());
    }
};

} // namespace

TEST_F(CliYearEndTest, ValiderRecordsTheValidationAndVerifierChecksIt)
{
    writeBytes(dir.file("faux.jnl"), kHeader2002 + entry("200203", "05/03/2002", "999000", "Facture", "VE", "  1,00", ""));
    CliRun run = cli({"valider", "faux.jnl", "--jusqu-au", "31/03/2002"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.errText().contains(
        QStringLiteral("Mars 2002, ligne 1 : le compte 999000 n'existe pas dans le plan comptable.\n")))
        << run.errText().toStdString();
    EXPECT_EQ(readBytes(dir.file("faux.jnl")).find("Validation"), std::string::npos);

    run = cli({"valider", "compta.jnl", "--jusqu-au", "31/03/2002"});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    const std::string saved = readBytes(dir.file("compta.jnl"));
    const QString today = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(saved.find("01/01/2002\r\nDossier "), 32u);
    // After "01/01/2002", "Dossier ", the 32 digits of the identity and " 0".
    EXPECT_EQ(saved.find("\r\nValidation 31/03/2002 " + today.toStdString() + " "), 32u + 12u + 8u + 32u + 2u);
    EXPECT_EQ(cli({"verifier", "compta.jnl"}).exitCode, 0);

    // An import in the validated period: the other line comes in.
    writeBytes(dir.file("releve.txt"), "10/03/2002\t411000\tTrop tard\tVE\t\t5,00\t\r\n"
                                       "10/04/2002\t411000\tAvril\tVE\t\t5,00\t\r\n");
    run = cli({"importer", "compta.jnl", "releve.txt"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.errText(), QStringLiteral("1 écriture importée.\n1 ligne refusée :\n  ligne 1 : la date 10/03/2002 "
                                            "est dans la période validée (jusqu'au 31/03/2002).\n"));

    std::string edited = readBytes(dir.file("compta.jnl"));
    edited.replace(edited.find("Facture"), 7, "Facturx");
    writeBytes(dir.file("compta.jnl"), edited);
    run = cli({"verifier", "compta.jnl"});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.outText().endsWith(QStringLiteral("Validation du %1 jusqu'au 31/03/2002 : Des écritures validées "
                                                      "le %1 ont été modifiées en dehors de Tavelin, en Mars 2002 : "
                                                      "le 05/03/2002, compte 411000, débit 120,00.\n")
                                           .arg(today)))
        << run.outText().toStdString();
}

TEST_F(CliYearEndTest, FecWritesTheFileAndTheFinalClosingClosesTheYear)
{
    EXPECT_EQ(cli({"fec", "compta.jnl", "--siren", "123456789"}).exitCode, 2);
    ASSERT_TRUE(QDir(dir.path()).mkdir("controle"));
    CliRun run = cli({"fec", "compta.jnl", "--siren", "732829320", "--sortie", "controle"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errText(), QStringLiteral("FEC écrit dans 732829320FEC20021231.txt : 2 lignes, 1 écriture.\n"
                                            "Des écritures ne sont pas encore validées : ce FEC est provisoire.\n"));
    EXPECT_EQ(readBytes(dir.file("controle/732829320FEC20021231.txt")).substr(0, 12), "JournalCode\t");

    run = cli({"cloture", "compta.jnl", "--definitive", "--sortie", "ANouveau.Txt"});
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.errText(), QStringLiteral("Exercice clôturé définitivement au 31/12/2002.\n"));
    EXPECT_EQ(readBytes(dir.file("compta.jnl")).substr(0, 42), "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n31/12/2002");
    EXPECT_EQ(cli({"cloture", "compta.jnl"}).errText(), QStringLiteral("Exercice déjà clôturé\n"));
}
