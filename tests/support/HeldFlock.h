#pragma once

#include "ledger/DossierLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The flock another session holds on its dossier's lock for as long as it is
// open, which makes it the lock's owner; taken here through a descriptor of
// the test's own, on the lock as it stands.
class HeldFlock {
public:
    explicit HeldFlock(const QString &dossier)
        : fd_(::open(QFile::encodeName(dossierlock::lockPath(dossier)).constData(), O_RDONLY | O_CLOEXEC)),
          held_(fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0)
    {
    }
    HeldFlock(const HeldFlock &) = delete;
    HeldFlock &operator=(const HeldFlock &) = delete;
    ~HeldFlock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool held() const { return held_; }

private:
    int fd_;
    bool held_;
};
