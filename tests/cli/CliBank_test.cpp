#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// tavelin-cli rapprocher, run as a script runs it: a CSV statement of March
// against the bank account of a small dossier.

namespace {

const std::string kBankDossier = "<HEAD>\r\n01/01/2024\r\n31/12/2024\r\n01/01/2024\r\n</HEAD>\r\n" +
                             entry("202402", "27/02/2024", "512000", "Chèque 1234", "BQ", "", "  150,00") +
                             entry("202403", "05/03/2024", "512000", "Orange", "BQ", "", "   39,99") +
                             entry("202403", "10/03/2024", "512000", "Virement Dupont", "BQ", " 1200,50", "", "\xD7") +
                             entry("202403", "20/03/2024", "512000", "Chèque 1240", "BQ", "", "   75,00");

const std::string kStatement = "Date;Libellé;Débit;Crédit\r\n"
                               "02/03/2024;CHQ 1234;150,00;\r\n"
                               "04/03/2024;PRLV ORANGE;39,99;\r\n"
                               "11/03/2024;VIR DUPONT;;1 200,50\r\n"
                               "15/03/2024;FRAIS;8,50;\r\n";

struct CliBankTest : ::testing::Test {
    CurrentTempDir dir;
    CliBankTest()
    {
        writeBytes(dir.file("compta.jnl"), kBankDossier);
        writeBytes(dir.file("releve.csv"), kStatement);
        // Dupont's transfer was checked off by this statement's line before.
        writeBytes(dir.file("compta.jnl.pointages"),
                   "512000\t10/03/2024\tVirement Dupont\t1200,50\t02/03/2024\t15/03/2024\t11/03/2024\tVIR DUPONT\r\n");
    }
};

TEST_F(CliBankTest, ListsEachLineWithItsStatusThenTheBalances)
{
    const CliRun run = runCli({"rapprocher", "compta.jnl", "releve.csv"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), QStringLiteral("pointée\t02/03/2024\t-150,00\tCHQ 1234\t202402\t1\n"
                                            "pointée\t04/03/2024\t-39,99\tPRLV ORANGE\t202403\t1\n"
                                            "déjà pointée\t11/03/2024\t1200,50\tVIR DUPONT\t202403\t2\n"
                                            "à saisir\t15/03/2024\t-8,50\tFRAIS\n"
                                            "Solde du relevé\t\n"
                                            "Solde comptable\t1010,51\n"
                                            "Écart\t\n"));
    EXPECT_EQ(readBytes(dir.file("compta.jnl")), kBankDossier);
}

TEST_F(CliBankTest, TheBalancesStatedAboveTheTableOpenAndCloseTheStatement)
{
    writeBytes(dir.file("releve.csv"), "Solde au 29/02/2024;-20,00 \xE2\x82\xAC;\r\nSolde au 31/03/2024;982,01 \xE2\x82\xAC;\r\n" + kStatement);
    const CliRun run = runCli({"rapprocher", "compta.jnl", "releve.csv"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    // The statement closes at the end of March: the cheque of the 20th is not on it.
    EXPECT_TRUE(run.outText().contains(QStringLiteral("à saisir\t15/03/2024\t-8,50\tFRAIS\nnon relevée\t20/03/2024\t-75,00\t")));
    EXPECT_TRUE(run.outText().endsWith(QStringLiteral("\t202403\t3\n"
                                                      "Écart d'ouverture\t-20,00\n"
                                                      "Solde du relevé\t982,01\n"
                                                      "Solde comptable\t935,51\n"
                                                      "Écart\t46,50\n")))
        << run.outText().toStdString();
}

TEST_F(CliBankTest, SavingMarksThePointedEntriesUnderTheLock)
{
    CliRun run = runCli({"rapprocher", "compta.jnl", "releve.csv", "--compte", "512", "--enregistrer"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    run = runCli({"rapprocher", "compta.jnl", "releve.csv"}, dir.path());
    EXPECT_TRUE(run.outText().startsWith(QStringLiteral("déjà pointée\t02/03/2024\t-150,00\tCHQ 1234\t202402\t1\n"
                                                        "déjà pointée\t04/03/2024")));
    EXPECT_FALSE(QFile::exists(dir.file(".compta.jnl.verrou")));
}

TEST_F(CliBankTest, ExitCodes)
{
    const CliRun unreadable = runCli({"rapprocher", "compta.jnl", "absent.ofx"}, dir.path());
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.errText().contains(QStringLiteral("absent.ofx")));
    EXPECT_EQ(runCli({"rapprocher", "compta.jnl", "releve.csv", "--du", "01/01/2024"}, dir.path()).exitCode, 2);
}

} // namespace
