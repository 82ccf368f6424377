#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "SmallDisk.h"
#include "TempDir.h"
#include "LedgerText.h"

#include "exchange/ExchangeCommands.h"
#include "ledger/FileIO.h"

#include <QDir>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const std::string kMarch = kHeader2002 + entriesText("200203", {{"05/03/2002", "613000", "Loyer", "BQ", "", "   500,00", "", ""}});

QStringList row(const char *date, const char *account, const char *label, const char *debit, const char *credit)
{
    return {QString::fromUtf8(date), QString::fromUtf8(account), QString::fromUtf8(label), QStringLiteral("BQ"), QString(),
            QString::fromUtf8(debit), QString::fromUtf8(credit), QString()};
}

struct ImportTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Ledger ledger{fake.platform};
    exchange::ImportOutcome outcome;

    void SetUp() override { openAt(ledger, kMarch, 2002, 3); }

    void importFile(const std::string &bytes)
    {
        const QString path = dir.file(QStringLiteral("releve.txt"));
        writeBytes(path, bytes);
        fake.fileDialogs.openAnswers.push_back(path);
        outcome = exchange::Importer(ledger);
    }
};

} // namespace

TEST_F(ImportTest, AsksForATextFile)
{
    outcome = exchange::Importer(ledger);
    ASSERT_EQ(fake.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(fake.fileDialogs.openRequests[0].defaultExt, QStringLiteral("txt"));
    EXPECT_EQ(fake.fileDialogs.openRequests[0].filter, QStringLiteral("Fichiers texte (*.txt)|*.txt"));
    // Cancelled: nothing happens.
    EXPECT_FALSE(outcome.imported);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_FALSE(ledger.Modifie);
}

TEST_F(ImportTest, AMissingFileIsNamed)
{
    const QString path = dir.file(QStringLiteral("absent.txt"));
    fake.fileDialogs.openAnswers.push_back(path);
    outcome = exchange::Importer(ledger);
    EXPECT_FALSE(outcome.imported);
    EXPECT_EQ(outcome.message, QStringLiteral("Le fichier ") + path + QStringLiteral(" n'existe pas"));
    EXPECT_FALSE(ledger.Modifie);
    EXPECT_EQ(fake.busy.shown, 0);
}

TEST_F(ImportTest, EntriesKeyedOnScreenSurviveTheImport)
{
    keyEntry(ledger, row("06/03/2002", "512000", "Saisie en cours", "", "   500,00"));
    importFile("07/03/2002\t411000\tImportée\tVE\tF9\t80,00\r\n"
               "02/04/2002\t512000\tAvril\tBQ\t\t\t80,00\r\n");

    EXPECT_TRUE(outcome.imported);
    EXPECT_TRUE(ledger.Modifie);
    EXPECT_FALSE(ledger.MoisModifie);
    EXPECT_EQ(fake.busy.shown, 1);
    EXPECT_EQ(fake.busy.depth, 0);
    ledger.readMonthGrid();
    ASSERT_EQ(gridRows(ledger).size(), 3);
    EXPECT_EQ(gridRows(ledger)[0][2], QStringLiteral("Loyer"));
    EXPECT_EQ(gridRows(ledger)[1][2], QStringLiteral("Saisie en cours"));
    EXPECT_EQ(gridRows(ledger)[2], (QStringList{"07/03/2002", "411000", "Importée", "VE", "F9", "80,00", "", ""}));
    EXPECT_EQ(outcome.message, QStringLiteral("2 écritures importées."));
}

TEST_F(ImportTest, TheSummaryNamesTheRefusedLines)
{
    importFile("07/03/2002\t411000\r\n7/3/2002\t411000\r\n");
    EXPECT_EQ(outcome.message, QStringLiteral("1 écriture importée.\n1 ligne refusée :\n"
                                              "  ligne 2 : la date « 7/3/2002 » n'est pas une date (JJ/MM/AAAA)."));
    EXPECT_EQ(outcome.refused, 1);
}

TEST_F(ImportTest, AFileThatCannotBeReadChangesNothing)
{
    const std::size_t before = ledger.Lignes.size();
    // The tests may run as root, who reads every file: the failure met here
    // is a file too large to be read (a sparse one, it takes no room).
    const QString path = dir.file(QStringLiteral("trop.txt"));
    {
        QFile big(path);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(fileio::kMaxFileSize + 1));
    }
    fake.fileDialogs.openAnswers.push_back(path);
    outcome = exchange::Importer(ledger);
    EXPECT_FALSE(outcome.imported);
    EXPECT_TRUE(outcome.message.startsWith(QStringLiteral("Impossible de lire le fichier ")));
    EXPECT_TRUE(outcome.message.contains(QStringLiteral("trop.txt")));
    EXPECT_EQ(ledger.Lignes.size(), before);
    EXPECT_FALSE(ledger.Modifie);
}

namespace {

struct ExportTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Ledger ledger{fake.platform};
    QString message;

    void SetUp() override { openAt(ledger, kMarch, 2002, 3); }
};

} // namespace

TEST_F(ExportTest, TheSaveDialogAsksBeforeReplacingATextFile)
{
    EXPECT_TRUE(exchange::ExportMois(ledger).isEmpty());
    EXPECT_TRUE(exchange::ExportJournal(ledger).isEmpty());
    ASSERT_EQ(fake.fileDialogs.saveRequests.size(), 2u);
    for (const FileDialogRequest &r : fake.fileDialogs.saveRequests) {
        EXPECT_EQ(r.defaultExt, QStringLiteral("txt"));
        EXPECT_EQ(r.filter, QStringLiteral("Texte + tabulations (*.txt)|*.txt"));
        EXPECT_TRUE(r.confirmOverwrite);
    }
    EXPECT_TRUE(folderContents(dir.path()).isEmpty());
}

TEST_F(ExportTest, TheMonthExportWritesTheGridAsItStands)
{
    keyEntry(ledger, row("06/03/2002", "512000", "Pas encore écrite", "", "500,00"));
    const QString path = dir.file(QStringLiteral("mars.txt"));
    fake.fileDialogs.saveAnswers.push_back(path);
    message = exchange::ExportMois(ledger);
    EXPECT_EQ(readBytes(path), "05/03/2002\t613000\tLoyer\tBQ\t\t500,00\t\r\n"
                               "06/03/2002\t512000\tPas encore \xE9" "crite\tBQ\t\t\t500,00\r\n");
    EXPECT_EQ(fake.busy.shown, 1);
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_TRUE(message.isEmpty());
}

TEST_F(ExportTest, TheJournalExportReplacesAnOlderFile)
{
    const QString path = dir.file(QStringLiteral("tout.txt"));
    writeBytes(path, "ancien contenu bien plus long que le nouveau, qui ne doit pas en garder de trace\r\n");
    fake.fileDialogs.saveAnswers.push_back(path);
    message = exchange::ExportJournal(ledger);
    EXPECT_TRUE(message.isEmpty());
    EXPECT_EQ(readBytes(path), "05/03/2002\t613000\tLoyer\tBQ\t\t500,00\t\t\r\n");
    EXPECT_EQ(folderContents(dir.path()), QStringList{QStringLiteral("tout.txt")});
}

TEST_F(ExportTest, TheJournalExportTakesWhatWasJustKeyed)
{
    keyEntry(ledger, row("06/03/2002", "512000", "Pas encore écrite", "", "500,00"));
    const QString path = dir.file(QStringLiteral("tout.txt"));
    fake.fileDialogs.saveAnswers.push_back(path);
    exchange::ExportJournal(ledger);
    EXPECT_EQ(readBytes(path), "05/03/2002\t613000\tLoyer\tBQ\t\t500,00\t\t\r\n"
                               "06/03/2002\t512000\tPas encore \xE9" "crite\tBQ\t\t\t500,00\t\r\n");
    EXPECT_FALSE(ledger.MoisModifie);
}

TEST_F(ExportTest, AFullDiskLeavesThePreviousFileIntact)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString path = disk.file(QStringLiteral("banque.txt"));
    const std::string previous = "01/02/2002\t512000\tAncien\r\n";
    writeBytes(path, previous);
    for (int i = 0; i < 2000; ++i) {
        ledger.Lignes.append("200203005/03/2002");
        ledger.Lignes.append("2002032" + std::string(100, 'x'));
    }
    fake.fileDialogs.saveAnswers.push_back(path);
    message = exchange::ExportJournal(ledger);
    EXPECT_EQ(message, QStringLiteral("Impossible d'enregistrer le fichier %1 : le disque est plein.").arg(path));
    EXPECT_EQ(readBytes(path), previous);
    EXPECT_EQ(folderContents(disk.path()), QStringList{QStringLiteral("banque.txt")});
}

TEST_F(ExportTest, AReadOnlyFolderLeavesThePreviousFileIntact)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString path = disk.file(QStringLiteral("mars.txt"));
    const std::string previous = "01/03/2002\t512000\tAncien\r\n";
    writeBytes(path, previous);
    ASSERT_TRUE(disk.makeReadOnly());
    fake.fileDialogs.saveAnswers.push_back(path);
    message = exchange::ExportMois(ledger);
    EXPECT_EQ(message,
              QStringLiteral("Impossible d'enregistrer le fichier %1 : le support est en lecture seule.").arg(path));
    EXPECT_EQ(readBytes(path), previous);
}

TEST_F(ExportTest, TheOpenDossierIsNeverReplacedByAnExport)
{
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    const QString link = dir.file(QStringLiteral("raccourci.txt"));
    writeBytes(dossier, "<HEAD>\r\n");
    ledger.NomFichier = dossier;
    ASSERT_EQ(::symlink("compta.jnl", QFile::encodeName(link).constData()), 0);
    for (const QString &path : {dossier, link}) {
        fake.fileDialogs.saveAnswers.push_back(path);
        EXPECT_EQ(exchange::ExportJournal(ledger),
                  QStringLiteral("Le fichier %1 est le dossier ouvert : il n'est pas remplacé.").arg(path));
        EXPECT_EQ(readBytes(dossier), "<HEAD>\r\n");
    }
}
