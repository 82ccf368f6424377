#include "ledger/DossierLock.h"

#include "ledger/FileIO.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace dossierlock {
namespace {

// A lock is four short lines: anything longer is no lock.
constexpr std::size_t kMaxLockSize = 4096;
// Each round of a taking finds the lock gone, taken over by another process
// or being written by it; the rounds end as soon as one process holds it.
constexpr int kRounds = 50;
constexpr auto kPause = std::chrono::milliseconds(10);

std::string native(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString userName()
{
    if (const passwd *user = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(user->pw_name);
    return QString::number(::geteuid());
}

QString notRegularMessage(const QString &lock)
{
    return QStringLiteral("Le verrou %1 n'est pas un fichier ordinaire : le dossier n'est pas ouvert.").arg(shown(lock));
}

QString unreadableMessage(const QString &lock, const QString &why)
{
    return QStringLiteral("Le verrou %1 ne peut pas être lu (%2) : le dossier est peut-être ouvert par une autre session.")
        .arg(shown(lock), why);
}

QString notWrittenMessage(const QString &lock, const QString &why)
{
    return QStringLiteral("Le verrou %1 ne peut pas être créé : %2.").arg(shown(lock), why);
}

std::optional<LockOwner> parse(std::string_view bytes)
{
    const QStringList lines = QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).split(u'\n');
    if (lines.size() < 4)
        return std::nullopt;
    bool number = false;
    LockOwner owner{lines[0], lines[1], lines[2].toLongLong(&number), QDateTime::fromString(lines[3], Qt::ISODate)};
    if (!number || owner.pid <= 0 || owner.machine.isEmpty() || !owner.since.isValid())
        return std::nullopt;
    return owner;
}

bool isThisProcess(const LockOwner &owner)
{
    return owner.machine == QSysInfo::machineHostName() && owner.pid == ::getpid();
}

bool isLive(const LockOwner &owner)
{
    if (owner.machine != QSysInfo::machineHostName())
        return true;
    return ::kill(pid_t(owner.pid), 0) == 0 || errno == EPERM;
}

// What stands at a lock's path, as read; the file stays open for its taking over.
struct Found {
    enum class Kind { Gone, Lock, Garbage, Unreadable, NotRegular };
    Kind kind = Kind::Gone;
    LockOwner owner; // when Lock
    QString why;     // when Unreadable
    int fd = -1;
    struct stat st {};

    Found() = default;
    Found(const Found &) = delete;
    Found &operator=(const Found &) = delete;
    ~Found()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

void readAt(const std::string &path, Found &found)
{
    using Kind = Found::Kind;
    // Only a regular file is opened: opening a FIFO waits for a writer that
    // may never come, and opening a device may act on it.
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) {
            found.kind = Kind::Unreadable;
            found.why = fileio::reason(errno);
        }
        return;
    }
    if (!S_ISREG(st.st_mode)) {
        found.kind = Kind::NotRegular;
        return;
    }
    found.fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (found.fd < 0) {
        if (errno == ELOOP) {
            found.kind = Kind::NotRegular;
        } else if (errno != ENOENT) {
            found.kind = Kind::Unreadable;
            found.why = fileio::reason(errno);
        }
        return;
    }
    if (::fstat(found.fd, &found.st) != 0 || !S_ISREG(found.st.st_mode)) {
        found.kind = Kind::NotRegular;
        return;
    }
    char bytes[kMaxLockSize + 1];
    std::size_t size = 0;
    while (size < sizeof bytes) {
        const ssize_t n = ::read(found.fd, bytes + size, sizeof bytes - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            found.kind = Kind::Unreadable;
            found.why = fileio::reason(errno);
            return;
        }
        if (n == 0)
            break;
        size += std::size_t(n);
    }
    const std::optional<LockOwner> owner = size <= kMaxLockSize ? parse({bytes, size}) : std::nullopt;
    found.kind = owner ? Kind::Lock : Kind::Garbage;
    if (owner)
        found.owner = *owner;
}

// Removes a lock that may be taken over. A lock is flock()ed by its writer
// from its creation on, for as long as it is held: holding the flock here
// means that no live process holds the lock (it is not being written, nor
// removed by another process taking it over), so that exactly one process
// removes it. A lock of this process's own is held by another of its
// descriptors and is removed without. Gives back an errno value when the
// lock cannot be removed, 0 otherwise (removed, or to be read again).
int removeStale(const std::string &path, const Found &found)
{
    if (!(found.kind == Found::Kind::Lock && isThisProcess(found.owner)) && ::flock(found.fd, LOCK_EX | LOCK_NB) != 0) {
        std::this_thread::sleep_for(kPause);
        return 0;
    }
    struct stat now {};
    if (::lstat(path.c_str(), &now) != 0 || now.st_dev != found.st.st_dev || now.st_ino != found.st.st_ino)
        return 0;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

LockState stateOf(const Found &found, const QString &lock)
{
    switch (found.kind) {
    case Found::Kind::NotRegular:
        return {LockState::Kind::NotRegular, {}, notRegularMessage(lock)};
    case Found::Kind::Unreadable:
        return {LockState::Kind::Unreadable, {}, unreadableMessage(lock, found.why)};
    case Found::Kind::Lock:
        if (!isThisProcess(found.owner) && isLive(found.owner))
            return {LockState::Kind::Held, found.owner, alreadyOpenMessage(found.owner)};
        break;
    case Found::Kind::Gone:
    case Found::Kind::Garbage:
        break;
    }
    return {};
}

} // namespace

QString lockPath(const QString &dossier)
{
    // Beside the dossier, in its folder as the user named it ("compta.jnl"
    // gives ".compta.jnl.verrou", not "./.compta.jnl.verrou").
    const qsizetype slash = dossier.lastIndexOf(u'/');
    return dossier.left(slash + 1) + u'.' + dossier.mid(slash + 1) + QStringLiteral(".verrou");
}

QString alreadyOpenMessage(const LockOwner &owner)
{
    if (owner.user.isEmpty())
        return QStringLiteral("Ce dossier est déjà ouvert par une autre session");
    return QStringLiteral("Ce dossier est déjà ouvert par %1 sur %2 depuis le %3 à %4")
        .arg(owner.user, owner.machine, owner.since.toString(QStringLiteral("dd/MM/yyyy")),
             owner.since.toString(QStringLiteral("HH:mm")));
}

LockState inspect(const QString &dossier)
{
    const QString lock = lockPath(dossier);
    Found found;
    readAt(native(lock), found);
    return stateOf(found, lock);
}

} // namespace dossierlock

DossierLock::DossierLock(DossierLock &&other) noexcept
    : dossier_(std::move(other.dossier_)), fd_(std::exchange(other.fd_, -1))
{
    other.dossier_.clear();
}

DossierLock &DossierLock::operator=(DossierLock &&other) noexcept
{
    if (this != &other) {
        release();
        dossier_ = std::move(other.dossier_);
        other.dossier_.clear();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

DossierLock::Attempt DossierLock::take(const QString &dossier, const QDateTime &since)
{
    using namespace dossierlock;
    release();
    const QString lock = lockPath(dossier);
    const std::string path = native(lock);
    const QByteArray text = (QStringList{userName(), QSysInfo::machineHostName(), QString::number(::getpid()),
                                         since.toString(Qt::ISODate)}
                                 .join(u'\n')
                             + u'\n')
                                .toUtf8();
    for (int round = 0; round < kRounds; ++round) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
        if (fd >= 0) {
            // Between the creation and the flock, another process may have
            // found the lock empty and removed it: then it is made again.
            struct stat st {};
            if (::flock(fd, LOCK_EX) != 0 || ::fstat(fd, &st) != 0 || st.st_nlink == 0) {
                ::close(fd);
                continue;
            }
            int error = 0;
            if (!fileio::writeAll(fd, std::string_view(text.constData(), std::size_t(text.size())), error)) {
                ::unlink(path.c_str());
                ::close(fd);
                return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(error))};
            }
            fd_ = fd;
            dossier_ = dossier;
            return {};
        }
        if (errno != EEXIST)
            return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(errno))};

        Found found;
        readAt(path, found);
        const LockState state = stateOf(found, lock);
        switch (state.kind) {
        case LockState::Kind::NotRegular:
            return {Result::Refused, state.message};
        case LockState::Kind::Held:
        case LockState::Kind::Unreadable:
            return {Result::Held, state.message};
        case LockState::Kind::Free:
            break;
        }
        if (found.kind == Found::Kind::Gone)
            continue;
        if (const int error = removeStale(path, found))
            return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(error))};
    }
    return {Result::Held, alreadyOpenMessage({})};
}

DossierLock::Attempt DossierLock::takeWaiting(const QString &dossier, const QDateTime &since,
                                              std::chrono::milliseconds patience)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        Attempt attempt = take(dossier, since);
        if (attempt.result != Result::Held || std::chrono::steady_clock::now() >= deadline)
            return attempt;
        std::this_thread::sleep_for(dossierlock::kPause * 2);
    }
}

void DossierLock::release()
{
    if (fd_ >= 0) {
        // Another session may have taken the lock over meanwhile, its holder
        // seeming gone: that lock is not this one's to remove.
        const std::string path = dossierlock::native(dossierlock::lockPath(dossier_));
        struct stat mine {};
        dossierlock::Found found;
        dossierlock::readAt(path, found);
        if (::fstat(fd_, &mine) == 0 && found.kind == dossierlock::Found::Kind::Lock
            && dossierlock::isThisProcess(found.owner) && found.st.st_dev == mine.st_dev && found.st.st_ino == mine.st_ino)
            ::unlink(path.c_str());
        ::close(fd_);
        fd_ = -1;
    }
    dossier_.clear();
}
