#include "CliProcess.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// tavelin-cli lettrer and balance-agee, run as a script runs them, on a small
// dossier of customers.

namespace {

const std::string kLetteringDossier = "<HEAD>\r\n01/01/2024\r\n31/12/2024\r\n01/01/2024\r\n</HEAD>\r\n" +
                             entry("202402", "10/02/2024", "411000", "Facture 7", "VE", "  80,00", "") +
                             "2024028AA 20/02/2024\r\n" +
                             entry("202402", "20/02/2024", "411000", "Règlement 7", "BQ", "", "  80,00") +
                             "2024028AA 20/02/2024\r\n" +
                             entry("202403", "01/03/2024", "411000", "Facture 9", "VE", " 100,00", "") +
                             entry("202403", "15/03/2024", "411000", "Règlement", "BQ", "", " 100,00") +
                             entry("202403", "20/03/2024", "411100", "Facture 12", "VE", "  50,00", "");

struct CliLetteringTest : ::testing::Test {
    CurrentTempDir dir;
    CliLetteringTest() { writeBytes(dir.file("compta.jnl"), kLetteringDossier); }
};

TEST_F(CliLetteringTest, ListsTheGroupsThenTheOpenLinesAndSavesTheAutomaticLettering)
{
    CliRun run = runCli({"lettrer", "compta.jnl", "--compte", "411", "--auto", "--enregistrer"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), QStringLiteral("lettrée\tAA\t411000\t20/02/2024\t2\t80,00\n"
                                            "lettrée\tAB\t411000\t15/03/2024\t2\t100,00\n"
                                            "non lettrée\t20/03/2024\t411100\tFacture 12\tP20\t50,00\t\t202403\t3\n"));
    EXPECT_FALSE(QFile::exists(dir.file(".compta.jnl.verrou")));
    run = runCli({"lettrer", "compta.jnl", "--compte=4111"}, dir.path());
    EXPECT_EQ(run.outText(), QStringLiteral("non lettrée\t20/03/2024\t411100\tFacture 12\tP20\t50,00\t\t202403\t3\n"));
    EXPECT_TRUE(readBytes(dir.file("compta.jnl")).find("2024038AB 15/03/2024\r\n") != std::string::npos);

    const CliRun missing = runCli({"lettrer", "compta.jnl"}, dir.path());
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.errText().startsWith(QStringLiteral("tavelin-cli : compte manquant : lettrer attend --compte PREFIXE\n")));
}

TEST_F(CliLetteringTest, TheAgedBalanceGivesOneRowPerAccountThenTheTotal)
{
    // On the 10th of April: the invoice of the 1st of March is 40 days old,
    // its payment not applied yet 26 days.
    const CliRun run = runCli({"balance-agee", "compta.jnl", "--au", "10/04/2024"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), QStringLiteral("411000\t\t-100,00\t100,00\t0,00\t0,00\t0,00\n"
                                            "411100\t\t50,00\t0,00\t0,00\t0,00\t50,00\n"
                                            "Total\t\t-50,00\t100,00\t0,00\t0,00\t50,00\n"));
    EXPECT_EQ(runCli({"balance-agee", "compta.jnl"}, dir.path()).exitCode, 2);
}

} // namespace
