#include "FakePlatform.h"
#include "SmallDisk.h"
#include "TempDir.h"

#include "document/Fiche.h"
#include "ledger/FileIO.h"

#include <QDir>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Saves under the faults of the system: a disk too small, a read-only mount,
// a file-size limit, kills at any moment. Whatever happens the old file is
// either left as it was or replaced whole, and nothing is left behind once a
// save has gone through.

namespace {

const std::string kOld = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n2002030" "01/03/2002\r\n";

struct Outcome {
    bool saved;
    bool modified;
    QString message;
};

// Loads the file and saves it grown by `lines` lines of a hundred characters.
Outcome saveLarge(const QString &path, int lines)
{
    FakePlatform fake;
    Fiche fiche(fake.platform);
    fiche.Charge(path);
    for (int i = 0; i < lines; ++i)
        fiche.ledger.Lignes.append("2002032" + std::string(100, 'x'));
    fiche.SetSauve();
    const bool saved = fiche.Sauve(path);
    return {saved, fiche.ledger.Modifie, fake.messages.shown.value(0)};
}

} // namespace

TEST(SaveFaults, FileSizeLimitLeavesTheOldFileIntact)
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

TEST(SaveFaults, FullDiskLeavesTheOldFileIntact)
{
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "a small disk (tmpfs) can only be mounted as root, where the system allows it";
    const QString path = disk.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOld);

    const Outcome o = saveLarge(path, 2000);
    EXPECT_FALSE(o.saved);
    EXPECT_TRUE(o.modified);
    EXPECT_TRUE(o.message.contains(QStringLiteral("compta.jnl")));
    EXPECT_TRUE(o.message.contains(QStringLiteral("disque")));
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(folderContents(disk.path()), QStringList{"compta.jnl"});
}

TEST(SaveFaults, ReadOnlyBindMountLeavesTheOldFileIntact)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "a read-only bind mount can only be made as root";
    CurrentTempDir source;
    QTemporaryDir mountPoint;
    const QByteArray from = QFile::encodeName(source.path());
    const QByteArray where = QFile::encodeName(mountPoint.path());
    if (::mount(from.constData(), where.constData(), nullptr, MS_BIND, nullptr) != 0)
        GTEST_SKIP() << "bind mounts are not allowed here";
    const bool readOnly =
        ::mount(nullptr, where.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0;
    writeBytes(source.file(QStringLiteral("compta.jnl")), kOld);

    if (readOnly) {
        const Outcome o = saveLarge(mountPoint.filePath(QStringLiteral("compta.jnl")), 10);
        EXPECT_FALSE(o.saved);
        EXPECT_TRUE(o.modified);
        EXPECT_TRUE(o.message.contains(QStringLiteral("lecture seule"))) << o.message.toStdString();
    }
    ::umount(where.constData());
    if (!readOnly)
        GTEST_SKIP() << "the bind mount cannot be made read-only here";
    EXPECT_EQ(readBytes(source.file(QStringLiteral("compta.jnl"))), kOld);
    EXPECT_EQ(folderContents(source.path()), QStringList{"compta.jnl"});
}

TEST(SaveFaults, KillsAtAnyMomentLeaveTheOldOrTheNewFileWhole)
{
    CurrentTempDir dir;
    const QString path = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(path, kOld);
    std::string large = kOld;
    for (int i = 0; i < 40'000; ++i)
        large += "2002032" + std::string(100, char('a' + i % 26)) + "\r\n";

    int killedMidway = 0;
    for (int round = 0; round < 100; ++round) {
        const std::string &next = round % 2 == 0 ? large : kOld;
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            _exit(fileio::writeAtomically(path, next, fileio::NamedBy::User, fileio::Previous::KeepAsBak).isEmpty() ? 0 : 1);
        ::usleep(QRandomGenerator::global()->bounded(20'000u));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (WIFSIGNALED(status))
            ++killedMidway;
        const std::string now = readBytes(path);
        ASSERT_TRUE(now == kOld || now == large) << "round " << round << ": " << now.size() << " bytes";
    }
    EXPECT_GT(killedMidway, 0);
    // What the killed saves left is named after the file and what it is.
    for (const QString &name : folderContents(dir.path())) {
        if (name.startsWith(u'.')) {
            EXPECT_TRUE(name.startsWith(QStringLiteral(".compta.jnl.tavelin-")) && name.size() == 26)
                << name.toStdString();
        }
    }

    ASSERT_EQ(fileio::writeAtomically(path, kOld, fileio::NamedBy::User, fileio::Previous::KeepAsBak), QString());
    EXPECT_EQ(readBytes(path), kOld);
    EXPECT_EQ(folderContents(dir.path()), (QStringList{"compta.jnl", "compta.jnl.bak"}));
}
