#include "CliProcess.h"
#include "EInvoiceFiles.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// tavelin-cli factures-recues, run as a script runs it: a UBL invoice and a
// Factur-X whose totals disagree, against a dossier of 2026.

namespace {

const std::string kDossier = "<HEAD>\r\n01/01/2026\r\n31/12/2026\r\n01/01/2026\r\n</HEAD>\r\n";

struct CliInvoicesTest : ::testing::Test {
    CurrentTempDir dir;
    CliInvoicesTest()
    {
        writeBytes(dir.file("compta.jnl"), kDossier);
        writeBytes(dir.file("Tavelin.plc"), "401000 NN Fournisseurs\r\n445660 NN TVA déductible\r\n607000 NN Achats\r\n");
        writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nAC O Achats\r\n");
        writeBytes(dir.file("Tavelin.ini"), "0\r\n\r\n0\r\nVE\r\n411000\r\n706000\r\n445710\r\nAC\r\n401000\r\n607000\r\n445660\r\n");
        writeBytes(dir.file("papier.xml"), einvoicefiles::ublXml(einvoicefiles::Draft()));
        einvoicefiles::Draft wrong;
        wrong.number = "F2026-002";
        wrong.grand = "125.00";
        writeBytes(dir.file("faux.pdf"), einvoicefiles::facturXPdf({{"factur-x.xml", einvoicefiles::ciiXml(wrong)}}));
    }
};

const QString kProposed = QStringLiteral(
    "facture\tpapier.xml\tF2026-001\t15/03/2026\tFacture\tPapeterie Martin\t123456782\tEUR\t120,00\n"
    "écriture\t15/03/2026\t607000\tPapeterie Martin\tAC\tF2026-001\t100,00\t\n"
    "écriture\t15/03/2026\t445660\tPapeterie Martin\tAC\tF2026-001\t20,00\t\n"
    "écriture\t15/03/2026\t401000\tPapeterie Martin\tAC\tF2026-001\t\t120,00\n");

} // namespace

TEST_F(CliInvoicesTest, EachFileGivesItsEntryOrItsRefusalAndNothingChanges)
{
    const CliRun run = runCli({"factures-recues", "compta.jnl", "papier.xml", "faux.pdf"}, dir.path());
    EXPECT_EQ(run.exitCode, 1) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), kProposed + QStringLiteral("refusée\tfaux.pdf\tle total TTC 125,00 n'est pas le total HT 100,00 "
                                                        "plus la TVA 20,00 (règle : TTC = HT + TVA)\n"));
    EXPECT_EQ(readBytes(dir.file("compta.jnl")), kDossier);
    EXPECT_FALSE(QDir(dir.file("compta.pieces")).exists());
}

TEST_F(CliInvoicesTest, SavingPostsKeepsTheFileAndRefusesItTheNextTime)
{
    CliRun run = runCli({"factures-recues", "compta.jnl", "papier.xml", "--enregistrer"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.errText().toStdString();
    EXPECT_EQ(run.outText(), kProposed);
    EXPECT_EQ(readBytes(dir.file("compta.pieces/2026-03/papier.xml")), readBytes(dir.file("papier.xml")));
    EXPECT_FALSE(QFile::exists(dir.file(".compta.jnl.verrou")));
    run = runCli({"mois", "compta.jnl", "202603"}, dir.path());
    EXPECT_TRUE(run.outText().contains(QStringLiteral("15/03/2026\t401000\tPapeterie Martin\tAC\tF2026-001\t\t120,00")))
        << run.outText().toStdString();
    run = runCli({"factures-recues", "compta.jnl", "papier.xml"}, dir.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.outText(), "refusée\tpapier.xml\tfacture déjà comptabilisée (Papeterie Martin, numéro F2026-001)\n");
}

TEST_F(CliInvoicesTest, ExitCodes)
{
    EXPECT_EQ(runCli({"factures-recues", "compta.jnl", "papier.xml", "--cours", "abc"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runCli({"factures-recues", "compta.jnl"}, dir.path()).exitCode, 2);
    EXPECT_EQ(runCli({"factures-recues", "absent.jnl", "papier.xml"}, dir.path()).exitCode, 1);
}
