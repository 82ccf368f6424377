#pragma once

#include "platform/PosixFiles.h"

#include <QDateTime>
#include <QString>
#include <chrono>

// One writer per dossier: the session that opens a dossier, or the
// tavelin-cli command that saves one, first creates a lock file beside it
// (".compta.jnl.verrou": user, machine, process, date and time) and removes
// it when done. The lock is created in one step that fails when anything
// stands at its name, so that of two processes starting together exactly one
// holds it; the lock of a process that is gone, or a file that is no lock, is
// taken over in the same way. The lock's owner is the session holding its
// flock(), not the process its number names (numbers are reused): another
// session that finds the lock flocked is told who holds it.

struct LockOwner {
    QString user;
    QString machine;
    qint64 pid = 0;
    QDateTime since;
};

namespace dossierlock {

QString lockPath(const QString &dossier);

// "Ce dossier est déjà ouvert par X sur Y depuis le JJ/MM/AAAA à HH:MM".
QString alreadyOpenMessage(const LockOwner &owner);

// What stands at a dossier's lock path, read without taking it. A lock is
// read as a regular file of at most 4 KiB, never through a link, never from
// a FIFO or a device.
struct LockState {
    enum class Kind {
        Free,       // nothing, a lock of this process, or one that may be taken over
        Held,       // the lock of another session, which holds its flock (a lock
                    // written on another machine is taken as live: nothing here can tell)
        Unreadable, // a lock this user may not read
        NotRegular, // a link, a FIFO, a folder or a device
    };
    Kind kind = Kind::Free;
    LockOwner owner;  // when Held
    QString message;  // what the user is told, but when Free
};
LockState inspect(const QString &dossier);

} // namespace dossierlock

// The lock this session holds, on one dossier at most.
class DossierLock {
public:
    enum class Result {
        Taken,
        Held,       // another session holds it, or it cannot be read
        Refused,    // what stands at its name is no regular file: the dossier is not to be opened
        NotWritten, // no lock can be created there (a read-only folder)
    };
    struct Attempt {
        Result result = Result::Taken;
        QString message; // what the user is told, but when Taken
    };

    DossierLock() = default;
    DossierLock(const DossierLock &) = delete;
    DossierLock &operator=(const DossierLock &) = delete;
    DossierLock(DossierLock &&other) noexcept;
    // Releases the lock held before, then holds the other's.
    DossierLock &operator=(DossierLock &&other) noexcept;
    ~DossierLock() { release(); }

    // Takes the lock of the dossier, after releasing the one held before.
    Attempt take(const QString &dossier, const QDateTime &since);
    // The same, waiting up to `patience` while another session holds it.
    Attempt takeWaiting(const QString &dossier, const QDateTime &since, std::chrono::milliseconds patience);
    // Removes the lock file, unless another session has taken it over since.
    void release();
    const QString &dossier() const { return dossier_; }

private:
    QString dossier_;
    posixfiles::Descriptor file_; // the lock file, open and flock()ed for as long as it is held
};
