#include "FakePlatform.h"
#include "TempDir.h"
#include "Unprivileged.h"

#include "document/Fiche.h"
#include "ledger/FileIO.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// What a save replaces: a file the user may not write is refused, a symbolic
// link leads to the file it points to and stays, and the replaced file keeps
// its owner and group.

namespace {

const std::string kOldBytes = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";
const std::string kNew = "<HEAD>\r\n01/07/2002\r\n30/06/2003\r\n01/07/2002\r\n</HEAD>\r\n";

QByteArray nativeName(const QString &path)
{
    return QFile::encodeName(path);
}

std::string linkTarget(const QString &link)
{
    char buffer[4096];
    const ssize_t n = ::readlink(nativeName(link).constData(), buffer, sizeof buffer);
    return n < 0 ? std::string() : std::string(buffer, std::size_t(n));
}

struct stat statOf(const QString &path)
{
    struct stat st {};
    ::lstat(nativeName(path).constData(), &st);
    return st;
}

} // namespace

TEST(SaveTargets, AReadOnlyLedgerIsRefusedAndTheDocumentStaysModified)
{
    CurrentTempDir dir;
    unprivileged::handOver(dir.path());
    EXPECT_EQ(unprivileged::run([&] {
                  const QString path = dir.file(QStringLiteral("compta.jnl"));
                  writeBytes(path, kOldBytes);
                  ASSERT_EQ(::chmod(nativeName(path).constData(), 0444), 0);
                  FakePlatform fake;
                  Fiche fiche(fake.platform);
                  ASSERT_TRUE(fiche.Charge(path));
                  fiche.ledger.fiscalYear.start = QDate(2002, 7, 1);
                  fiche.ledger.EcritHead();
                  EXPECT_FALSE(fiche.Sauve(path));
                  EXPECT_TRUE(fiche.ledger.Modifie);
                  EXPECT_EQ(fake.messages.shown,
                            QStringList{QStringLiteral("Le fichier %1 est protégé en écriture").arg(path)});
                  EXPECT_EQ(readBytes(path), kOldBytes);
                  EXPECT_EQ(statOf(path).st_mode & 07777, 0444u);
                  EXPECT_EQ(folderContents(dir.path()), QStringList{"compta.jnl"});
              }),
              0);
}

TEST(SaveTargets, EveryWriteRefusesAFileTheUserMayNotWrite)
{
    CurrentTempDir dir;
    unprivileged::handOver(dir.path());
    EXPECT_EQ(unprivileged::run([&] {
                  // Read-only for its owner; read-only for everyone.
                  const std::pair<const char *, mode_t> cases[] = {{"Tavelin.soc", 0400}, {"Tavelin.ini", 0444}};
                  for (const auto &[name, mode] : cases) {
                      const QString path = dir.file(QString::fromLatin1(name));
                      writeBytes(path, "avant\r\n");
                      ASSERT_EQ(::chmod(nativeName(path).constData(), mode), 0);
                      EXPECT_EQ(fileio::writeAtomically(path, "après\r\n"), fileio::writeProtectedReason()) << name;
                      EXPECT_EQ(readBytes(path), "avant\r\n") << name;
                  }
              }),
              0);
    EXPECT_EQ(folderContents(dir.path()), (QStringList{"Tavelin.ini", "Tavelin.soc"}));
}

TEST(SaveTargets, AWritableFileIsReplacedAsBefore)
{
    CurrentTempDir dir;
    unprivileged::handOver(dir.path());
    EXPECT_EQ(unprivileged::run([&] {
                  const QString path = dir.file(QStringLiteral("compta.jnl"));
                  writeBytes(path, kOldBytes);
                  ASSERT_EQ(::chmod(nativeName(path).constData(), 0640), 0);
                  EXPECT_EQ(fileio::writeAtomically(path, kNew), QString());
                  EXPECT_EQ(readBytes(path), kNew);
                  EXPECT_EQ(statOf(path).st_mode & 07777, 0640u);
              }),
              0);
}

TEST(SaveTargets, SavingThroughALinkReplacesTheFileItPointsToAndKeepsTheLink)
{
    CurrentTempDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("archives/2002"));
    const QString real = dir.file(QStringLiteral("archives/2002/compta.jnl"));
    writeBytes(real, kOldBytes);
    // A relative link, then a link to that link.
    const QString link = dir.file(QStringLiteral("compta.jnl"));
    const QString second = dir.file(QStringLiteral("raccourci.jnl"));
    ASSERT_EQ(::symlink("archives/2002/compta.jnl", nativeName(link).constData()), 0);
    ASSERT_EQ(::symlink(nativeName(link).constData(), nativeName(second).constData()), 0);

    FakePlatform fake;
    Fiche fiche(fake.platform);
    ASSERT_TRUE(fiche.Charge(second));
    fiche.ledger.fiscalYear.start = QDate(2002, 7, 1);
    fiche.ledger.fiscalYear.end = QDate(2003, 6, 30);
    fiche.ledger.fiscalYear.closing = fiche.ledger.fiscalYear.start;
    fiche.ledger.EcritHead();
    ASSERT_TRUE(fiche.Sauve(second));

    EXPECT_TRUE(S_ISLNK(statOf(link).st_mode));
    EXPECT_TRUE(S_ISLNK(statOf(second).st_mode));
    EXPECT_EQ(linkTarget(link), "archives/2002/compta.jnl");
    EXPECT_EQ(readBytes(real), kNew);
    // The previous version is kept beside the real file too.
    EXPECT_EQ(readBytes(real + QStringLiteral(".bak")), kOldBytes);
    EXPECT_EQ(folderContents(dir.file(QStringLiteral("archives/2002"))), (QStringList{"compta.jnl", "compta.jnl.bak"}));
    EXPECT_EQ(folderContents(dir.path()), (QStringList{"compta.jnl", "raccourci.jnl"}));
    EXPECT_EQ(fiche.ledger.NomFichier, second);
}

TEST(SaveTargets, ALinkToAFileNotYetThereCreatesThatFile)
{
    CurrentTempDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("reel"));
    const QString link = dir.file(QStringLiteral("compta.jnl"));
    ASSERT_EQ(::symlink("reel/compta.jnl", nativeName(link).constData()), 0);
    EXPECT_EQ(fileio::writeAtomically(link, kNew), QString());
    EXPECT_TRUE(S_ISLNK(statOf(link).st_mode));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("reel/compta.jnl"))), kNew);
}

TEST(SaveTargets, ALoopOfLinksIsReportedAndNothingIsWritten)
{
    CurrentTempDir dir;
    const QString a = dir.file(QStringLiteral("a.jnl"));
    const QString b = dir.file(QStringLiteral("b.jnl"));
    ASSERT_EQ(::symlink("b.jnl", nativeName(a).constData()), 0);
    ASSERT_EQ(::symlink("a.jnl", nativeName(b).constData()), 0);
    EXPECT_EQ(fileio::writeAtomically(a, kNew), QStringLiteral("trop de liens symboliques à suivre"));
    EXPECT_EQ(folderContents(dir.path()), (QStringList{"a.jnl", "b.jnl"}));
}

TEST(SaveTargets, AFileSavedByRootKeepsItsOwnerAndGroup)
{
    const passwd *user = unprivileged::nobody();
    if (!unprivileged::asRoot() || !user)
        GTEST_SKIP() << "giving a file to another user needs root and the user \"nobody\"";
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOldBytes);
    ASSERT_EQ(::chown(nativeName(path).constData(), user->pw_uid, user->pw_gid), 0);
    ASSERT_EQ(::chmod(nativeName(path).constData(), 0640), 0);

    EXPECT_EQ(fileio::writeAtomically(path, kNew), QString());
    const struct stat st = statOf(path);
    EXPECT_EQ(st.st_uid, user->pw_uid);
    EXPECT_EQ(st.st_gid, user->pw_gid);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(readBytes(path), kNew);
}

TEST(SaveTargets, AUserWhoMayNotGiveTheFileAwayStillSavesIt)
{
    // A file of the user's in a folder of the user's, group root: the user
    // cannot keep that group (not a member) and the save goes through anyway.
    if (!unprivileged::asRoot())
        GTEST_SKIP() << "a file of another group needs root to be made";
    CurrentTempDir dir;
    unprivileged::handOver(dir.path());
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOldBytes);
    const passwd *user = unprivileged::nobody();
    ASSERT_EQ(::chown(nativeName(path).constData(), user->pw_uid, 0), 0);
    EXPECT_EQ(unprivileged::run([&] {
                  EXPECT_EQ(fileio::writeAtomically(path, kNew), QString());
                  EXPECT_EQ(readBytes(path), kNew);
                  EXPECT_EQ(statOf(path).st_uid, ::getuid());
              }),
              0);
}

TEST(SaveTargets, WhatIsNoRegularFileIsNeverReplaced)
{
    CurrentTempDir dir;
    const QString fifo = dir.file(QStringLiteral("tube.txt"));
    const QString folder = dir.file(QStringLiteral("dossier.txt"));
    const QString device = dir.file(QStringLiteral("null.txt"));
    const QString toFifo = dir.file(QStringLiteral("lien.txt"));
    ASSERT_EQ(::mkfifo(nativeName(fifo).constData(), 0644), 0);
    ASSERT_TRUE(QDir().mkdir(folder));
    ASSERT_EQ(::symlink(nativeName(fifo).constData(), nativeName(toFifo).constData()), 0);
    // A device node of its own, which the test may lose: never /dev/null itself.
    const bool withDevice = unprivileged::asRoot() && ::mknod(nativeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    for (const QString &path : {fifo, folder, toFifo, withDevice ? device : fifo}) {
        const mode_t before = statOf(path).st_mode;
        const QString why = fileio::writeAtomically(path, kNew, fileio::NamedBy::User);
        EXPECT_EQ(fileio::saveFailedMessage(path, why), QStringLiteral("%1 n'est pas un fichier ordinaire").arg(path));
        EXPECT_EQ(statOf(path).st_mode, before);
    }
}

TEST(SaveTargets, APreviousVersionThatCannotBeKeptIsToldAndTheSaveGoesThrough)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOldBytes);
    ASSERT_TRUE(QDir().mkdir(path + QStringLiteral(".bak")));
    FakePlatform fake;
    Fiche fiche(fake.platform);
    ASSERT_TRUE(fiche.Charge(path));
    fiche.SetSauve();
    EXPECT_TRUE(fiche.Sauve(path));
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Le fichier a été enregistré, mais sa version précédente "
                                                              "n'a pas pu être gardée dans %1.bak : le chemin désigne un "
                                                              "dossier.")
                                                   .arg(path)});
    EXPECT_FALSE(fiche.ledger.Modifie);
}
