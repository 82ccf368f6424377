#include "DocumentDouble.h"
#include "FakePlatform.h"
#include "SmallDisk.h"
#include "TempDir.h"
#include "reports/LedgerText.h"

#include "exchange/ExchangeCommands.h"
#include "ledger/FileIO.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

const std::string kMarch = kHeader2002 + entriesText("200203", {{"05/03/2002", "613000", "Loyer", "BQ", "", "   500,00", "", ""}});

QStringList row(const char *date, const char *account, const char *label, const char *debit, const char *credit)
{
    return {QString::fromUtf8(date), QString::fromUtf8(account), QString::fromUtf8(label), QStringLiteral("BQ"), QString(),
            QString::fromUtf8(debit), QString::fromUtf8(credit), QString()};
}

QStringList folderContents(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct ImportTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    DocumentDouble doc{kMarch};

    void SetUp() override { doc.busy = &fake.busy; }

    void importFile(const std::string &bytes)
    {
        const QString path = dir.file(QStringLiteral("releve.txt"));
        writeBytes(path, bytes);
        fake.fileDialogs.openAnswers.push_back(path);
        exchange::Importer(fake.platform, doc.state);
    }
};

} // namespace

TEST_F(ImportTest, AsksForATextFile)
{
    exchange::Importer(fake.platform, doc.state);
    ASSERT_EQ(fake.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(fake.fileDialogs.openRequests[0].defaultExt, QStringLiteral("txt"));
    EXPECT_EQ(fake.fileDialogs.openRequests[0].filter, QStringLiteral("Fichiers texte (*.txt)|*.txt"));
    // Cancelled: nothing happens.
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_FALSE(doc.modifie);
    EXPECT_EQ(doc.writeBacks, 0);
}

TEST_F(ImportTest, AMissingFileIsNamed)
{
    const QString path = dir.file(QStringLiteral("absent.txt"));
    fake.fileDialogs.openAnswers.push_back(path);
    exchange::Importer(fake.platform, doc.state);
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Le fichier ") + path + QStringLiteral(" n'existe pas")});
    EXPECT_FALSE(doc.modifie);
    EXPECT_EQ(fake.busy.shown, 0);
}

TEST_F(ImportTest, EntriesKeyedOnScreenSurviveAndImportedOnesOfTheMonthShowAtOnce)
{
    doc.post(row("06/03/2002", "512000", "Saisie en cours", "", "   500,00"));
    importFile("07/03/2002\t411000\tImportée\tVE\tF9\t80,00\r\n"
               "02/04/2002\t512000\tAvril\tBQ\t\t\t80,00\r\n");

    EXPECT_TRUE(doc.modifie);
    EXPECT_FALSE(doc.moisModifie);
    EXPECT_TRUE(doc.busyAtWriteBack);
    EXPECT_EQ(fake.busy.depth, 0);
    ASSERT_EQ(doc.rows().size(), 3);
    EXPECT_EQ(doc.rows()[0][2], QStringLiteral("Loyer"));
    EXPECT_EQ(doc.rows()[1][2], QStringLiteral("Saisie en cours"));
    EXPECT_EQ(doc.rows()[2], (QStringList{"07/03/2002", "411000", "Importée", "VE", "F9", "80,00", "", ""}));
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("2 écritures importées.")});
}

TEST_F(ImportTest, TheSummaryNamesLinesThatWillShowInNoMonth)
{
    importFile("07/03/2002\t411000\r\n7/3/2002\t411000\r\n");
    EXPECT_EQ(fake.messages.shown,
              QStringList{QStringLiteral("2 écritures importées.\n"
                                         "1 ligne n'a pas de date de la forme jj/mm/aaaa (ligne 2) : "
                                         "son écriture n'apparaîtra dans aucun mois.")});
}

TEST_F(ImportTest, AFileThatCannotBeReadChangesNothing)
{
    const std::size_t before = doc.lines.size();
    // The tests may run as root, who reads every file: the failure met here
    // is a file too large to be read (a sparse one, it takes no room).
    const QString path = dir.file(QStringLiteral("trop.txt"));
    {
        QFile big(path);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(fileio::kMaxFileSize + 1));
    }
    fake.fileDialogs.openAnswers.push_back(path);
    exchange::Importer(fake.platform, doc.state);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith(QStringLiteral("Impossible de lire le fichier ")));
    EXPECT_TRUE(fake.messages.shown[0].contains(QStringLiteral("trop.txt")));
    EXPECT_EQ(doc.lines.size(), before);
    EXPECT_FALSE(doc.modifie);
}

namespace {

struct ExportTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    DocumentDouble doc{kMarch};
};

} // namespace

TEST_F(ExportTest, TheSaveDialogAsksBeforeReplacingATextFile)
{
    exchange::ExportMois(fake.platform, doc.grid);
    exchange::ExportJournal(fake.platform, doc.lines);
    ASSERT_EQ(fake.fileDialogs.saveRequests.size(), 2u);
    for (const FileDialogRequest &r : fake.fileDialogs.saveRequests) {
        EXPECT_EQ(r.defaultExt, QStringLiteral("txt"));
        EXPECT_EQ(r.filter, QStringLiteral("Texte + tabulations (*.txt)|*.txt"));
        EXPECT_TRUE(r.confirmOverwrite);
    }
    EXPECT_TRUE(folderContents(dir.path()).isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(ExportTest, TheMonthExportWritesTheGridAsItStands)
{
    doc.post(row("06/03/2002", "512000", "Pas encore écrite", "", "500,00"));
    const QString path = dir.file(QStringLiteral("mars.txt"));
    fake.fileDialogs.saveAnswers.push_back(path);
    exchange::ExportMois(fake.platform, doc.grid);
    EXPECT_EQ(readBytes(path), "05/03/2002\t613000\tLoyer\tBQ\t\t500,00\t\r\n"
                               "06/03/2002\t512000\tPas encore \xE9" "crite\tBQ\t\t\t500,00\r\n");
    EXPECT_EQ(fake.busy.shown, 1);
    EXPECT_EQ(fake.busy.depth, 0);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(ExportTest, TheJournalExportReplacesAnOlderFile)
{
    const QString path = dir.file(QStringLiteral("tout.txt"));
    writeBytes(path, "ancien contenu bien plus long que le nouveau, qui ne doit pas en garder de trace\r\n");
    fake.fileDialogs.saveAnswers.push_back(path);
    exchange::ExportJournal(fake.platform, doc.lines);
    EXPECT_EQ(readBytes(path), "05/03/2002\t613000\tLoyer\tBQ\t\t500,00\t\t\r\n");
    EXPECT_EQ(folderContents(dir.path()), QStringList{QStringLiteral("tout.txt")});
}

TEST_F(ExportTest, AFullDiskLeavesThePreviousFileIntact)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no small disk can be mounted here";
    const QString path = disk.file(QStringLiteral("banque.txt"));
    const std::string previous = "01/02/2002\t512000\tAncien\r\n";
    writeBytes(path, previous);
    for (int i = 0; i < 2000; ++i)
        doc.lines.append("2002032" + std::string(100, 'x'));
    fake.fileDialogs.saveAnswers.push_back(path);
    exchange::ExportJournal(fake.platform, doc.lines);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0], QStringLiteral("Impossible d'enregistrer le fichier %1 : le disque est plein.").arg(path));
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
    exchange::ExportMois(fake.platform, doc.grid);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0],
              QStringLiteral("Impossible d'enregistrer le fichier %1 : le support est en lecture seule.").arg(path));
    EXPECT_EQ(readBytes(path), previous);
}
