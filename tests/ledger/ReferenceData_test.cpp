#include "FakePlatform.h"
#include "TempDir.h"

#include "document/Fiche.h"

#include <QDir>
#include <limits>
#include <gtest/gtest.h>

namespace {

struct ReferenceTest : ::testing::Test {
    FakePlatform fake;
    CurrentTempDir dir;
    Fiche fiche{fake.platform};

    void saveAll()
    {
        fiche.ledger.SauveIni();
        fiche.ledger.SauveSoc();
        fiche.ledger.SauvePlc();
        fiche.ledger.SauveCombo();
    }
    QStringList filesOnDisk() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
};

} // namespace

TEST_F(ReferenceTest, FirstRunInAnEmptyFolderWritesTheThreeFiles)
{
    fiche.FormActivate();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_TRUE(fiche.ledger.ref.ListePlc.isEmpty());
    EXPECT_TRUE(fiche.ledger.ref.ListeJnx.isEmpty());
    saveAll();
    EXPECT_EQ(filesOnDisk(), (QStringList{"Tavelin.Cbx", "Tavelin.ini", "Tavelin.soc"}));
    EXPECT_EQ(readBytes(dir.file("Tavelin.ini")),
              " 0.00000000000000E+0000\r\n\r\n0\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(readBytes(dir.file("Tavelin.soc")), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(readBytes(dir.file("Tavelin.Cbx")), "[JOURNAUX]\r\n");
}

TEST_F(ReferenceTest, FilesAreReadAndWrittenBackInTheirFormat)
{
    writeBytes(dir.file("Tavelin.soc"), "Boulangerie Caf\xE9\r\n12 rue Haute\r\n\r\n75001 Paris\r\n\r\n\r\n\r\nligne en trop\r\n");
    writeBytes(dir.file("Tavelin.plc"), "512000 NO Banque\r\n411000 ON Clients\r\n607000 NN Achats\r\n");
    writeBytes(dir.file("Tavelin.cbx"), "VE N Ventes\r\n[JOURNAUX]\r\nAC O Achats\r\n\r\n[JOURNAUX]\r\nBQ N Banque\r\n");
    writeBytes(dir.file("Tavelin.ini"), "-1.25000000000000E-0003\r\n/tmp/compta.jnl\r\n1\r\nVE\r\n411000\r\n706000\r\n445710\r\n"
                                        "AC\r\n401000\r\n607000\r\n445660\r\n");
    fiche.FormActivate();
    EXPECT_EQ(fiche.ledger.ref.Societe[0], QString::fromUtf8("Boulangerie Café"));
    EXPECT_EQ(fiche.ledger.ref.Societe[6], "");
    EXPECT_EQ(fiche.ledger.ref.ListePlc, (QStringList{"411000 ON Clients", "512000 NO Banque", "607000 NN Achats"}));
    // The line before "[JOURNAUX]" is lost; blank lines are journal lines.
    EXPECT_EQ(fiche.ledger.ref.ListeJnx, (QStringList{"AC O Achats", "", "BQ N Banque"}));
    EXPECT_EQ(fiche.ledger.ref.accountItems, (QStringList{"411000", "512000", "607000"}));
    EXPECT_EQ(fiche.ledger.ref.journalItems, (QStringList{"", "AC", "BQ"}));
    EXPECT_EQ(fiche.ledger.NomFichier, "/tmp/compta.jnl");
    EXPECT_EQ(fiche.ledger.ref.CompteTvaAchat, "445660");
    bool openAutomatically = false;
    QString fileName;
    fiche.ledger.GetIni(openAutomatically, fileName);
    EXPECT_TRUE(openAutomatically);
    EXPECT_EQ(fileName, "/tmp/compta.jnl");

    fiche.ledger.ref.PlanModifie = true;
    saveAll();
    EXPECT_EQ(readBytes(dir.file("Tavelin.ini")).substr(0, 25), "-1.25000000000000E-0003\r\n");
    EXPECT_EQ(readBytes(dir.file("Tavelin.plc")), "411000 ON Clients\r\n512000 NO Banque\r\n607000 NN Achats\r\n");
    EXPECT_EQ(readBytes(dir.file("Tavelin.Cbx")), "[JOURNAUX]\r\nAC O Achats\r\n\r\nBQ N Banque\r\n");
    EXPECT_EQ(filesOnDisk(), (QStringList{"Tavelin.Cbx", "Tavelin.ini", "Tavelin.plc", "Tavelin.soc"}));
}

TEST_F(ReferenceTest, JournalsFileIsOneFileWhateverTheCaseOfItsName)
{
    writeBytes(dir.file("TAVELIN.CBX"), "[JOURNAUX]\r\nVE N Ventes\r\n");
    fiche.ledger.ChargeCombo();
    EXPECT_EQ(fiche.ledger.ref.ListeJnx, QStringList{"VE N Ventes"});
    fiche.ledger.SauveCombo();
    EXPECT_EQ(filesOnDisk(), QStringList{"Tavelin.Cbx"});
    EXPECT_EQ(readBytes(dir.file("Tavelin.Cbx")), "[JOURNAUX]\r\nVE N Ventes\r\n");
}

TEST_F(ReferenceTest, AutoOpenOffDropsTheLastFileName)
{
    writeBytes(dir.file("Tavelin.ini"), " 0.00000000000000E+0000\r\n/tmp/a.jnl\r\n0\r\n");
    fiche.ledger.ChargeIni();
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    fiche.ledger.NomFichier = QStringLiteral("/tmp/b.jnl");
    fiche.ledger.SauveIni();
    EXPECT_EQ(readBytes(dir.file("Tavelin.ini")).substr(0, 40), " 0.00000000000000E+0000\r\n/tmp/b.jnl\r\n0\r\n");
}

TEST_F(ReferenceTest, UnreadableSettingsAreReportedAndNothingElseIsLost)
{
    writeBytes(dir.file("Tavelin.ini"), " 2.50000000000000E+0000\r\n/tmp/a.jnl\r\noui\r\nVE\r\n411000\r\n");
    writeBytes(dir.file("Tavelin.cbx"), "[JOURNAUX]\r\nVE N Ventes\r\n");
    fiche.FormActivate();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("Tavelin.ini"));
    EXPECT_TRUE(fake.messages.shown[0].contains("ligne 3"));
    EXPECT_EQ(fiche.ledger.ref.ReelIni, 2.5);
    EXPECT_EQ(fiche.ledger.ref.JournalVente, "VE");
    EXPECT_EQ(fiche.ledger.ref.CompteClient, "411000");
    // The loading went on: the journals are there and will be written back whole.
    EXPECT_EQ(fiche.ledger.ref.ListeJnx, QStringList{"VE N Ventes"});
    EXPECT_EQ(fiche.ledger.ref.journalItems, QStringList{"VE"});

    writeBytes(dir.file("Tavelin.ini"), "abc\r\n");
    fake.messages.shown.clear();
    fiche.ledger.ChargeIni();
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].contains("ligne 1"));
    EXPECT_EQ(fiche.ledger.ref.ReelIni, 2.5);
}

TEST_F(ReferenceTest, ChartIsWrittenOnlyWhenItChanged)
{
    fiche.ledger.ref.ListePlc = QStringList{"411000 NN Clients"};
    fiche.ledger.SauvePlc();
    EXPECT_FALSE(QFile::exists(dir.file("Tavelin.plc")));
    fiche.ledger.ref.PlanModifie = true;
    fiche.ledger.SauvePlc();
    EXPECT_EQ(readBytes(dir.file("Tavelin.plc")), "411000 NN Clients\r\n");
}

TEST(ReelIni, KeepsItsTwentyThreeCharacterForm)
{
    EXPECT_EQ(reference::formatReelIni(0), " 0.00000000000000E+0000");
    EXPECT_EQ(reference::formatReelIni(1234.5), " 1.23450000000000E+0003");
    EXPECT_EQ(reference::formatReelIni(-0.00125), "-1.25000000000000E-0003");
    EXPECT_EQ(reference::formatReelIni(6.02e23).size(), 23);
}

TEST_F(ReferenceTest, EveryRealTheSettingsHoldIsWrittenSoThatItReadsBack)
{
    const double reals[] = {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::min(), std::numeric_limits<double>::denorm_min(),
                            0.1, -2.5e-300, 9.999999999999999e22};
    for (const double real : reals) {
        fiche.ledger.ref.ReelIni = real;
        ASSERT_TRUE(fiche.ledger.SauveIni());
        const std::string written = readBytes(dir.file("Tavelin.ini"));
        EXPECT_EQ(written.find("\r\n"), 23u) << written;
        Fiche again(fake.platform);
        again.ledger.ChargeIni();
        EXPECT_TRUE(fake.messages.shown.isEmpty()) << written << fake.messages.shown.value(0).toStdString();
        fake.messages.clear();
        EXPECT_NEAR(again.ledger.ref.ReelIni / real, 1.0, 1e-13) << written;
    }
}
