#include "FakePlatform.h"
#include "TempDir.h"

#include "document/Fiche.h"

#include <QDir>
#include <gtest/gtest.h>

#include "ledger/FileIO.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

// A save replaces the file whole, keeps the previous content as "NAME.bak",
// and clears the temporary copies that saves killed half-way left behind.
// Saves under faults of the system (full disk, read-only mount, size limit,
// kills) are in tests/faults.

namespace {

const std::string kOld = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n2002030" "01/03/2002\r\n";

} // namespace

TEST(AtomicSave, MissingFolderIsReportedAndTheNewNameKept)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("parti/compta.jnl"));
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.SetSauve();
    EXPECT_FALSE(fiche.Sauve(path));
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_EQ(fiche.ledger.NomFichier, path);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith(QStringLiteral("Impossible d'enregistrer le fichier ")));
    EXPECT_TRUE(fake.messages.shown[0].contains(QStringLiteral("introuvable")));
    EXPECT_TRUE(folderContents(dir.path()).isEmpty());
}

TEST(AtomicSave, ReplacingKeepsThePermissionsOfTheOldFile)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOld);
    const auto perms = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QFile::setPermissions(path, perms);
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.Charge(path);
    fiche.SetSauve();
    ASSERT_TRUE(fiche.Sauve(path));
    const auto ownerGroupOther = QFileDevice::Permissions(0x7077);
    EXPECT_EQ(QFile::permissions(path) & ownerGroupOther, perms & ownerGroupOther);
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(folderContents(dir.path()), (QStringList{"compta.jnl", "compta.jnl.bak"}));
}

TEST(AtomicSave, ThePreviousVersionIsKeptAsBakWithoutACopy)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    const QString backup = dir.file(QStringLiteral("compta.jnl.bak"));
    const std::string versions[] = {kOld, kOld + "2002032Un\r\n", kOld + "2002032Deux\r\n"};
    writeBytes(path, versions[0]);
    for (int i = 1; i < 3; ++i) {
        struct stat before {};
        ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &before), 0);
        ASSERT_EQ(fileio::writeAtomically(path, versions[i], fileio::NamedBy::User, fileio::Previous::KeepAsBak), QString());
        EXPECT_EQ(readBytes(path), versions[i]);
        EXPECT_EQ(readBytes(backup), versions[i - 1]);
        struct stat kept {};
        ASSERT_EQ(::stat(QFile::encodeName(backup).constData(), &kept), 0);
        EXPECT_EQ(kept.st_ino, before.st_ino) << "the old file itself, under a second name";
    }
    EXPECT_EQ(folderContents(dir.path()), (QStringList{"compta.jnl", "compta.jnl.bak"}));

    // Other files keep no previous version.
    const QString notes = dir.file(QStringLiteral("notes.txt"));
    writeBytes(notes, "avant\r\n");
    ASSERT_EQ(fileio::writeAtomically(notes, "après\r\n"), QString());
    EXPECT_FALSE(QFile::exists(notes + QStringLiteral(".bak")));
}

TEST(AtomicSave, ASaveClearsTheCopiesKilledSavesOfTheSameFileLeft)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOld);
    const QString stale[] = {dir.file(QStringLiteral(".compta.jnl.tavelin-a1B2c3")),
                             dir.file(QStringLiteral(".compta.jnl.tavelin-Zz9y8X"))};
    for (const QString &copy : stale)
        writeBytes(copy, "copie partielle");
    // Another file's copy, and a copy a save still running is writing.
    writeBytes(dir.file(QStringLiteral(".autre.jnl.tavelin-a1B2c3")), "autre");
    const QString running = dir.file(QStringLiteral(".compta.jnl.tavelin-Run123"));
    writeBytes(running, "en cours");
    const int writer = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(writer, 0);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);

    ASSERT_EQ(fileio::writeAtomically(path, kOld + "2002032Nouveau\r\n"), QString());
    EXPECT_EQ(folderContents(dir.path()),
              (QStringList{".autre.jnl.tavelin-a1B2c3", ".compta.jnl.tavelin-Run123", "compta.jnl"}));
    ::close(writer);
}
