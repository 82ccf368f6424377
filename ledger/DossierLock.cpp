#include "ledger/DossierLock.h"

#include "ledger/FileIO.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QSysInfo>

#include <cerrno>
#include <optional>
#include <thread>
#include <utility>

using posixfiles::Descriptor;
using posixfiles::Status;

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
    return owner.machine == QSysInfo::machineHostName() && owner.pid == posixfiles::processId();
}

// What stands at a lock's path, as read; the file stays open for its taking over.
struct Found {
    enum class Kind { Gone, Lock, Garbage, Unreadable, NotRegular };
    Kind kind = Kind::Gone;
    LockOwner owner; // when Lock
    QString why;     // when Unreadable
    // Whether a session holds the lock's flock: the lock's owner is that
    // session, whatever process number the lock names (numbers are reused).
    bool flocked = false;
    Descriptor file;
    Status st;
};

// The lock's folder, and its name in it.
struct Place {
    Descriptor folder;
    std::string name;
    int error = 0;
    explicit Place(const QString &lock)
    {
        const std::string path = native(lock);
        name = fileio::nameOf(path);
        error = posixfiles::openFolder(fileio::folderOf(path), folder);
    }
};

void readAt(const Place &place, Found &found)
{
    using Kind = Found::Kind;
    if (place.error) {
        found.kind = Kind::Unreadable;
        found.why = fileio::reason(place.error);
        return;
    }
    // Opened without following a link and without waiting for a FIFO's
    // writer; only a regular file is read.
    const int error = posixfiles::openIn(place.folder, place.name, posixfiles::Open::Read, found.file);
    if (error == ELOOP) {
        found.kind = Kind::NotRegular;
    } else if (error && error != ENOENT) {
        found.kind = Kind::Unreadable;
        found.why = fileio::reason(error);
    }
    if (error)
        return;
    if (posixfiles::status(found.file, found.st) != 0 || found.st.kind != Status::Kind::Regular) {
        found.kind = Kind::NotRegular;
        return;
    }
    std::string bytes;
    const int readError = posixfiles::readAll(found.file, bytes, kMaxLockSize);
    if (readError && readError != E2BIG) {
        found.kind = Kind::Unreadable;
        found.why = fileio::reason(readError);
        return;
    }
    const std::optional<LockOwner> owner = readError ? std::nullopt : parse(bytes);
    found.kind = owner ? Kind::Lock : Kind::Garbage;
    if (owner)
        found.owner = *owner;
    found.flocked = posixfiles::lock(found.file, posixfiles::Lock::SharedNow) == EWOULDBLOCK;
}

// Removes a lock that may be taken over. A lock is flock()ed by its writer
// from its creation on, for as long as it is held: holding the flock here
// means that no live session holds the lock (it is not being written, nor
// removed by another process taking it over), so that exactly one process
// removes it. A lock of this process's own is held by another of its
// descriptors and is removed without. Gives back an errno value when the
// lock cannot be removed, 0 otherwise (removed, or to be read again).
int removeStale(const Place &place, const Found &found)
{
    if (!(found.kind == Found::Kind::Lock && isThisProcess(found.owner))
        && posixfiles::lock(found.file, posixfiles::Lock::ExclusiveNow) != 0) {
        std::this_thread::sleep_for(kPause);
        return 0;
    }
    Descriptor now;
    Status st;
    if (posixfiles::openIn(place.folder, place.name, posixfiles::Open::Handle, now) != 0
        || posixfiles::status(now, st) != 0 || !st.sameFileAs(found.st))
        return 0;
    const int error = posixfiles::remove(place.folder, place.name);
    return error == ENOENT ? 0 : error;
}

LockState stateOf(const Found &found, const QString &lock)
{
    switch (found.kind) {
    case Found::Kind::NotRegular:
        return {LockState::Kind::NotRegular, {}, notRegularMessage(lock)};
    case Found::Kind::Unreadable:
        return {LockState::Kind::Unreadable, {}, unreadableMessage(lock, found.why)};
    case Found::Kind::Lock:
        // A lock written on another machine is taken as live: its flock may
        // not reach across the network.
        if (!isThisProcess(found.owner) && (found.flocked || found.owner.machine != QSysInfo::machineHostName()))
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
    readAt(Place(lock), found);
    return stateOf(found, lock);
}

} // namespace dossierlock

DossierLock::DossierLock(DossierLock &&other) noexcept
    : dossier_(std::move(other.dossier_)), file_(std::move(other.file_))
{
    other.dossier_.clear();
}

DossierLock &DossierLock::operator=(DossierLock &&other) noexcept
{
    if (this != &other) {
        release();
        dossier_ = std::move(other.dossier_);
        other.dossier_.clear();
        file_ = std::move(other.file_);
    }
    return *this;
}

DossierLock::Attempt DossierLock::take(const QString &dossier, const QDateTime &since)
{
    using namespace dossierlock;
    release();
    const QString lock = lockPath(dossier);
    const Place place(lock);
    if (place.error)
        return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(place.error))};
    const QByteArray text = (QStringList{posixfiles::userName(), QSysInfo::machineHostName(),
                                         QString::number(posixfiles::processId()), since.toString(Qt::ISODate)}
                                 .join(u'\n')
                             + u'\n')
                                .toUtf8();
    for (int round = 0; round < kRounds; ++round) {
        Descriptor file;
        const int error = posixfiles::createIn(place.folder, place.name, 0644, file);
        if (!error) {
            // Between the creation and the flock, another process may have
            // found the lock empty and removed it: then it is made again.
            Status st;
            if (posixfiles::lock(file, posixfiles::Lock::Exclusive) != 0 || posixfiles::status(file, st) != 0
                || st.links == 0)
                continue;
            if (const int e = posixfiles::write(file, std::string_view(text.constData(), std::size_t(text.size())))) {
                posixfiles::remove(place.folder, place.name);
                return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(e))};
            }
            file_ = std::move(file);
            dossier_ = dossier;
            return {};
        }
        if (error != EEXIST)
            return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(error))};

        Found found;
        readAt(place, found);
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
        if (const int e = removeStale(place, found))
            return {Result::NotWritten, notWrittenMessage(lock, fileio::reason(e))};
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
    if (file_.valid()) {
        // Another session may have taken the lock over meanwhile, its holder
        // seeming gone: that lock is not this one's to remove.
        const dossierlock::Place place(dossierlock::lockPath(dossier_));
        Status mine;
        dossierlock::Found found;
        dossierlock::readAt(place, found);
        if (posixfiles::status(file_, mine) == 0 && found.kind == dossierlock::Found::Kind::Lock
            && dossierlock::isThisProcess(found.owner) && found.st.sameFileAs(mine))
            posixfiles::remove(place.folder, place.name);
        file_.close();
    }
    dossier_.clear();
}
