#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// One session per dossier: opening a dossier writes a lock file beside it
// (".compta.jnl.verrou": user, machine, process, time), closing or leaving it
// removes it. Another session that finds the lock of a live process warns the
// user; the lock of a process that is gone is taken over without a word.

struct LockOwner {
    QString user;
    QString machine;
    qint64 pid = 0;
    QDateTime since;
};

namespace dossierlock {

QString lockPath(const QString &dossier);

// Who holds the dossier, when it is another session whose process still runs
// (a lock written on another machine is taken as live: nothing here can tell).
std::optional<LockOwner> heldByOther(const QString &dossier);

// "Ce dossier est déjà ouvert par X sur Y depuis HH:MM".
QString alreadyOpenMessage(const LockOwner &owner);

} // namespace dossierlock

// The lock this session holds, on one dossier at most.
class DossierLock {
public:
    DossierLock() = default;
    DossierLock(const DossierLock &) = delete;
    DossierLock &operator=(const DossierLock &) = delete;
    ~DossierLock() { release(); }

    // Writes this session's lock beside the dossier, after releasing the one
    // held before. A lock that cannot be written (a read-only folder) does
    // not keep the dossier from being opened: false then.
    bool take(const QString &dossier, const QDateTime &since);
    // Removes the lock file, unless another session has taken it over since.
    void release();
    const QString &dossier() const { return dossier_; }

private:
    QString dossier_;
};
