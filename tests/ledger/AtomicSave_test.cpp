#include "FakePlatform.h"
#include "TempDir.h"

#include "document/Fiche.h"

#include <QDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// A save that cannot be completed must leave the previous file as it was, keep
// the document marked modified, tell the user, and leave no temporary file.

namespace {

const std::string kOld = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n2002030" "01/03/2002\r\n";

// Makes the document much larger than the old file.
void fillDocument(Fiche &fiche, int lines)
{
    for (int i = 0; i < lines; ++i)
        fiche.Lignes.append("2002032" + std::string(100, 'x'));
    fiche.SetSauve();
}

QStringList folderContents(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

struct Outcome {
    bool saved;
    bool modified;
    QString message;
};

Outcome saveLarge(const QString &path, int lines)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.Charge(path);
    fillDocument(fiche, lines);
    const bool saved = fiche.Sauve(path);
    return {saved, fiche.Modifie, fake.messages.shown.value(0)};
}

} // namespace

TEST(AtomicSave, FileSizeLimitLeavesTheOldFileIntact)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOld);

    // The limit applies to the child only; the child reports through its exit code.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{4096, 4096};
        setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome o = saveLarge(path, 1000);
        const bool ok = !o.saved && o.modified && o.message.contains(QStringLiteral("compta.jnl")) &&
                        o.message.contains(QStringLiteral("taille"));
        _exit(ok ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status)) << "the save was killed instead of failing";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the failed save was not reported as such";
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(folderContents(dir.path()), QStringList{"compta.jnl"});
}

TEST(AtomicSave, FullDiskLeavesTheOldFileIntact)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small disk needs root";
    QTemporaryDir mountPoint;
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (mount("tmpfs", where.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "tmpfs cannot be mounted here";
    const QString path = mountPoint.filePath(QStringLiteral("compta.jnl"));
    writeBytes(path, kOld);

    const Outcome o = saveLarge(path, 2000);
    EXPECT_FALSE(o.saved);
    EXPECT_TRUE(o.modified);
    EXPECT_TRUE(o.message.contains(QStringLiteral("compta.jnl")));
    EXPECT_TRUE(o.message.contains(QStringLiteral("disque")));
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(folderContents(mountPoint.path()), QStringList{"compta.jnl"});
    umount(where.constData());
}

TEST(AtomicSave, MissingFolderIsReportedAndTheNewNameKept)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("parti/compta.jnl"));
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.SetSauve();
    EXPECT_FALSE(fiche.Sauve(path));
    EXPECT_TRUE(fiche.Modifie);
    EXPECT_EQ(fiche.NomFichier, path);
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
    EXPECT_EQ(folderContents(dir.path()), QStringList{"compta.jnl"});
}
