#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <unistd.h>

// A tiny disk of its own (tmpfs), to meet a full disk or a read-only one.
// Mounting needs root: `mounted()` is false where it cannot be done, and the
// test skips.
class SmallDisk {
public:
    explicit SmallDisk(const char *size = "size=64k")
    {
        if (geteuid() != 0)
            return;
        mounted_ = ::mount("tmpfs", where().constData(), "tmpfs", 0, size) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount(where().constData());
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

    // From now on nothing can be written there, not even by root.
    bool makeReadOnly()
    {
        return mounted_ && ::mount("tmpfs", where().constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray where() const { return QFile::encodeName(dir_.path()); }

    QTemporaryDir dir_;
    bool mounted_ = false;
};
