#include "TempDir.h"

#include "ledger/DossierLock.h"

#include <QSysInfo>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

namespace {

const QDateTime kSince(QDate(2002, 3, 15), QTime(9, 15));

// A lock as another session leaves it.
void writeLock(const QString &dossier, const QString &machine, qint64 pid)
{
    writeBytes(dossierlock::lockPath(dossier),
               "marie\n" + machine.toStdString() + "\n" + std::to_string(pid) + "\n2002-03-15T09:15:00\n");
}

qint64 goneProcess()
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(DossierLock, OpeningWritesTheLockAndLeavingRemovesIt)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    EXPECT_EQ(dossierlock::lockPath(dossier), dir.file(QStringLiteral(".compta.jnl.verrou")));
    {
        DossierLock lock;
        ASSERT_TRUE(lock.take(dossier, kSince));
        const QStringList lines = QString::fromStdString(readBytes(dossierlock::lockPath(dossier))).split(u'\n');
        ASSERT_EQ(lines.size(), 5);
        EXPECT_FALSE(lines[0].isEmpty());
        EXPECT_EQ(lines[1], QSysInfo::machineHostName());
        EXPECT_EQ(lines[2], QString::number(::getpid()));
        EXPECT_EQ(lines[3], QStringLiteral("2002-03-15T09:15:00"));
        // This session's own lock keeps nobody out.
        EXPECT_FALSE(dossierlock::heldByOther(dossier));

        // Switching dossier moves the lock.
        const QString other = dir.file(QStringLiteral("autre.jnl"));
        ASSERT_TRUE(lock.take(other, kSince));
        EXPECT_FALSE(QFile::exists(dossierlock::lockPath(dossier)));
        EXPECT_TRUE(QFile::exists(dossierlock::lockPath(other)));
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(DossierLock, ALiveSessionIsNamedWithItsMachineAndTime)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    const QString machines[] = {QSysInfo::machineHostName(), QStringLiteral("poste-compta")};
    for (const QString &machine : machines) {
        // The first process of the system is always running; on another
        // machine, nothing tells whether the process runs: it is taken as live.
        writeLock(dossier, machine, machine == QSysInfo::machineHostName() ? 1 : goneProcess());
        const std::optional<LockOwner> owner = dossierlock::heldByOther(dossier);
        ASSERT_TRUE(owner) << machine.toStdString();
        EXPECT_EQ(dossierlock::alreadyOpenMessage(*owner),
                  QStringLiteral("Ce dossier est déjà ouvert par marie sur %1 depuis 09:15").arg(machine));
    }
}

TEST(DossierLock, TheLockOfAProcessThatIsGoneIsTakenOverSilently)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    writeLock(dossier, QSysInfo::machineHostName(), goneProcess());
    EXPECT_FALSE(dossierlock::heldByOther(dossier));
    DossierLock lock;
    ASSERT_TRUE(lock.take(dossier, kSince));
    EXPECT_EQ(QString::fromStdString(readBytes(dossierlock::lockPath(dossier))).split(u'\n').value(2),
              QString::number(::getpid()));
}

TEST(DossierLock, ALockAnotherSessionTookOverIsNotRemoved)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    DossierLock lock;
    ASSERT_TRUE(lock.take(dossier, kSince));
    writeLock(dossier, QSysInfo::machineHostName(), 1); // "Ouvrir quand même" in another session
    lock.release();
    EXPECT_TRUE(dossierlock::heldByOther(dossier));
}
