#pragma once

#include "ledger/DossierLock.h"

#include <QFile>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// The flock another session holds on its dossier's lock for as long as it is
// open, which makes it the lock's owner; taken here through a descriptor of
// the test's own, on the lock as it stands.
class HeldFlock {
public:
    explicit HeldFlock(const QString &dossier)
        : fd_(::open(QFile::encodeName(dossierlock::lockPath(dossier)).constData(), O_RDONLY | O_CLOEXEC))
    {
        EXPECT_EQ(::flock(fd_, LOCK_EX | LOCK_NB), 0);
    }
    HeldFlock(const HeldFlock &) = delete;
    HeldFlock &operator=(const HeldFlock &) = delete;
    ~HeldFlock() { ::close(fd_); }

private:
    int fd_;
};
