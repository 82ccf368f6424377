#include "HeldFlock.h"
#include "TempDir.h"
#include "Unprivileged.h"

#include "ledger/DossierLock.h"

#include <QSysInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>
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

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

} // namespace

TEST(DossierLock, OpeningWritesTheLockAndLeavingRemovesIt)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    EXPECT_EQ(dossierlock::lockPath(dossier), dir.file(QStringLiteral(".compta.jnl.verrou")));
    {
        DossierLock lock;
        ASSERT_EQ(lock.take(dossier, kSince).result, DossierLock::Result::Taken);
        const QStringList lines = QString::fromStdString(readBytes(dossierlock::lockPath(dossier))).split(u'\n');
        ASSERT_EQ(lines.size(), 5);
        EXPECT_FALSE(lines[0].isEmpty());
        EXPECT_EQ(lines[1], QSysInfo::machineHostName());
        EXPECT_EQ(lines[2], QString::number(::getpid()));
        EXPECT_EQ(lines[3], QStringLiteral("2002-03-15T09:15:00"));
        // This session's own lock keeps nobody out.
        EXPECT_EQ(dossierlock::inspect(dossier).kind, dossierlock::LockState::Kind::Free);

        // Switching dossier moves the lock.
        const QString other = dir.file(QStringLiteral("autre.jnl"));
        ASSERT_EQ(lock.take(other, kSince).result, DossierLock::Result::Taken);
        EXPECT_FALSE(QFile::exists(dossierlock::lockPath(dossier)));
        EXPECT_TRUE(QFile::exists(dossierlock::lockPath(other)));
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST(DossierLock, ALiveSessionIsNamedWithItsMachineDateAndTime)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    const QString machines[] = {QSysInfo::machineHostName(), QStringLiteral("poste-compta")};
    for (const QString &machine : machines) {
        // The first process of the system is always running; on another
        // machine, nothing tells whether the process runs: it is taken as live.
        writeLock(dossier, machine, machine == QSysInfo::machineHostName() ? 1 : goneProcess());
        const HeldFlock session(dossier);
        ASSERT_TRUE(session.held());
        const QString message =
            QStringLiteral("Ce dossier est déjà ouvert par marie sur %1 depuis le 15/03/2002 à 09:15").arg(machine);
        const dossierlock::LockState state = dossierlock::inspect(dossier);
        EXPECT_EQ(state.kind, dossierlock::LockState::Kind::Held) << machine.toStdString();
        EXPECT_EQ(state.message, message);
        DossierLock lock;
        const DossierLock::Attempt attempt = lock.take(dossier, kSince);
        EXPECT_EQ(attempt.result, DossierLock::Result::Held);
        EXPECT_EQ(attempt.message, message);
    }
}

TEST(DossierLock, TheLockOfAProcessThatIsGoneIsTakenOverSilently)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    writeLock(dossier, QSysInfo::machineHostName(), goneProcess());
    EXPECT_EQ(dossierlock::inspect(dossier).kind, dossierlock::LockState::Kind::Free);
    DossierLock lock;
    ASSERT_EQ(lock.take(dossier, kSince).result, DossierLock::Result::Taken);
    EXPECT_EQ(QString::fromStdString(readBytes(dossierlock::lockPath(dossier))).split(u'\n').value(2),
              QString::number(::getpid()));
}

// Process numbers are reused: a lock left by a session that is gone may name
// a process that runs now (the first process of the system always does).
// No session holds its flock: it is taken over.
TEST(DossierLock, ALockNamingALiveProcessWhoseSessionIsGoneIsTakenOver)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    writeLock(dossier, QSysInfo::machineHostName(), 1);
    EXPECT_EQ(dossierlock::inspect(dossier).kind, dossierlock::LockState::Kind::Free);
    DossierLock lock;
    ASSERT_EQ(lock.take(dossier, kSince).result, DossierLock::Result::Taken);
    EXPECT_EQ(QString::fromStdString(readBytes(dossierlock::lockPath(dossier))).split(u'\n').value(2),
              QString::number(::getpid()));
}

TEST(DossierLock, ALockAnotherSessionTookOverIsNotRemoved)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    DossierLock lock;
    ASSERT_EQ(lock.take(dossier, kSince).result, DossierLock::Result::Taken);
    writeLock(dossier, QSysInfo::machineHostName(), 1); // "Ouvrir quand même" in a session of an older version
    lock.release();
    const HeldFlock session(dossier); // the session that took it over
    ASSERT_TRUE(session.held());
    EXPECT_EQ(dossierlock::inspect(dossier).kind, dossierlock::LockState::Kind::Held);
}

// Processes starting together, as many as a busy office has: exactly one
// holds the lock, whatever stood at its name.
class LockRace : public ::testing::TestWithParam<const char *> {};

TEST_P(LockRace, ExactlyOneOfTheProcessesTakingTogetherHoldsTheLock)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    const std::string before = GetParam();
    if (before == "stale")
        writeLock(dossier, QSysInfo::machineHostName(), goneProcess());
    else if (before == "garbage")
        writeBytes(dossierlock::lockPath(dossier), std::string(5000, 'x'));

    int start[2];
    int results[2];
    ASSERT_EQ(::pipe(start), 0);
    ASSERT_EQ(::pipe(results), 0);
    constexpr int kProcesses = 12;
    for (int i = 0; i < kProcesses; ++i) {
        if (::fork() == 0) {
            ::close(start[1]);
            char go;
            static_cast<void>(::read(start[0], &go, 1)); // until the parent lets them all go
            DossierLock lock;
            const bool taken = lock.take(dossier, kSince).result == DossierLock::Result::Taken;
            static_cast<void>(::write(results[1], taken ? "T" : "h", 1));
            ::usleep(500'000); // the holder keeps the lock while the others try
            ::_exit(0);
        }
    }
    ::close(start[0]);
    ::close(start[1]);
    ::close(results[1]);
    std::string answers;
    char c;
    while (::read(results[0], &c, 1) == 1)
        answers += c;
    ::close(results[0]);
    while (::wait(nullptr) > 0) {
    }
    EXPECT_EQ(answers.size(), std::size_t(kProcesses));
    EXPECT_EQ(std::count(answers.begin(), answers.end(), 'T'), 1) << answers;
}

INSTANTIATE_TEST_SUITE_P(WhatStoodThere, LockRace,
                         ::testing::Values("nothing",   // the usual case
                                           "stale",     // the lock of a process that is gone
                                           "garbage")); // a file of more than 4 KiB, no lock

TEST(DossierLock, AnythingButARegularFileAtTheLocksNameKeepsTheDossierClosed)
{
    CurrentTempDir dir;
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    const QString lock = dossierlock::lockPath(dossier);
    const QString precious = dir.file(QStringLiteral("precieux.txt"));
    writeBytes(precious, "à garder\r\n");
    const std::function<int()> plants[] = {
        [&] { return ::symlink(native(precious).constData(), native(lock).constData()); }, // written through before
        [&] { return ::mkfifo(native(lock).constData(), 0644); },                           // opening waited for ever
        [&] { return ::symlink("/dev/zero", native(lock).constData()); },                    // read up to 1 GiB
        [&] { return ::mkdir(native(lock).constData(), 0755); },
    };
    const QString refusal = QStringLiteral("Le verrou %1 n'est pas un fichier ordinaire : le dossier n'est pas ouvert.").arg(lock);
    for (const auto &plant : plants) {
        ASSERT_EQ(plant(), 0);
        DossierLock taking;
        const DossierLock::Attempt attempt = taking.take(dossier, kSince);
        EXPECT_EQ(attempt.result, DossierLock::Result::Refused);
        EXPECT_EQ(attempt.message, refusal);
        EXPECT_EQ(dossierlock::inspect(dossier).kind, dossierlock::LockState::Kind::NotRegular);
        EXPECT_EQ(readBytes(precious), "à garder\r\n");
        ASSERT_TRUE(QFile::remove(lock) || QDir().rmdir(lock));
    }
}

TEST(DossierLock, ALockThatCannotBeReadSaysSo)
{
    CurrentTempDir dir;
    unprivileged::handOver(dir.path());
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    writeLock(dossier, QStringLiteral("poste-compta"), 4242);
    ASSERT_EQ(::chmod(native(dossierlock::lockPath(dossier)).constData(), 0), 0);
    EXPECT_EQ(unprivileged::run([&] {
                  DossierLock lock;
                  const DossierLock::Attempt attempt = lock.take(dossier, kSince);
                  EXPECT_EQ(attempt.result, DossierLock::Result::Held);
                  EXPECT_EQ(attempt.message, QStringLiteral("Le verrou %1 ne peut pas être lu (accès refusé) : le dossier "
                                                            "est peut-être ouvert par une autre session.")
                                                 .arg(dossierlock::lockPath(dossier)));
              }),
              0);
}
