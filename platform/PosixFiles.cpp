#include "platform/PosixFiles.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace posixfiles {
namespace {

int opened(int fd, Descriptor &out)
{
    if (fd < 0)
        return errno;
    out = Descriptor(fd);
    return 0;
}

int result(int returned)
{
    return returned == 0 ? 0 : errno;
}

Status statusFrom(const struct stat &st)
{
    Status out;
    out.kind = S_ISREG(st.st_mode)    ? Status::Kind::Regular
               : S_ISDIR(st.st_mode)  ? Status::Kind::Folder
               : S_ISLNK(st.st_mode)  ? Status::Kind::Link
               : S_ISFIFO(st.st_mode) ? Status::Kind::Fifo
                                      : Status::Kind::Other;
    out.mode = unsigned(st.st_mode & 07777);
    out.owner = st.st_uid;
    out.group = st.st_gid;
    out.size = st.st_size;
    out.modified = std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    out.device = st.st_dev;
    out.inode = st.st_ino;
    out.links = st.st_nlink;
    return out;
}

} // namespace

Descriptor::Descriptor(Descriptor &&other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept
{
    if (this != &other) {
        close();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

void Descriptor::close()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

int openFolder(const std::string &path, Descriptor &out)
{
    // Read access lets the folder be listed and synced; a folder one may
    // only pass through and write is still opened.
    const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0 && errno == EACCES)
        return opened(::open(path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC), out);
    return opened(fd, out);
}

int openIn(const Descriptor &folder, const std::string &name, Open how, Descriptor &out)
{
    switch (how) {
    case Open::Handle:
        return opened(::openat(folder.get(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC), out);
    case Open::Read:
        return opened(::openat(folder.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), out);
    case Open::Folder: {
        const int fd = ::openat(folder.get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == EACCES)
            return opened(::openat(folder.get(), name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC), out);
        return opened(fd, out);
    }
    }
    return EINVAL;
}

int openForReading(const std::string &path, Descriptor &out)
{
    return opened(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC), out);
}

int createIn(const Descriptor &folder, const std::string &name, unsigned mode, Descriptor &out)
{
    return opened(::openat(folder.get(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                           mode_t(mode)),
                  out);
}

int status(const Descriptor &file, Status &out)
{
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return errno;
    out = statusFrom(st);
    return 0;
}

int statusOf(const std::string &path, Status &out)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return errno;
    out = statusFrom(st);
    return 0;
}

int readLink(const Descriptor &link, std::string &target)
{
    target.assign(4096, '\0');
    const ssize_t n = ::readlinkat(link.get(), "", target.data(), target.size());
    if (n < 0)
        return errno;
    if (std::size_t(n) == target.size())
        return ENAMETOOLONG;
    target.resize(std::size_t(n));
    return 0;
}

int mayWrite(const Descriptor &file)
{
    return result(::faccessat(file.get(), "", W_OK, AT_EACCESS | AT_EMPTY_PATH));
}

int rename(const Descriptor &fromFolder, const std::string &from, const Descriptor &toFolder, const std::string &to)
{
    return result(::renameat(fromFolder.get(), from.c_str(), toFolder.get(), to.c_str()));
}

int link(const Descriptor &folder, const std::string &from, const std::string &to)
{
    return result(::linkat(folder.get(), from.c_str(), folder.get(), to.c_str(), 0));
}

int remove(const Descriptor &folder, const std::string &name)
{
    return result(::unlinkat(folder.get(), name.c_str(), 0));
}

int forEachName(const Descriptor &folder, const std::function<void(const std::string &)> &visit)
{
    const int fd = ::openat(folder.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    while (const dirent *entry = ::readdir(dir))
        visit(entry->d_name);
    ::closedir(dir);
    return 0;
}

int lock(const Descriptor &file, Lock how)
{
    const int operation = how == Lock::Exclusive ? LOCK_EX : how == Lock::ExclusiveNow ? LOCK_EX | LOCK_NB : LOCK_SH | LOCK_NB;
    for (;;) {
        if (::flock(file.get(), operation) == 0)
            return 0;
        if (errno != EINTR)
            return errno;
    }
}

int setOwner(const Descriptor &file, std::uint32_t owner, std::uint32_t group)
{
    return result(::fchown(file.get(), uid_t(owner), gid_t(group)));
}

int setGroup(const Descriptor &file, std::uint32_t group)
{
    return result(::fchown(file.get(), uid_t(-1), gid_t(group)));
}

int setMode(const Descriptor &file, unsigned mode)
{
    return result(::fchmod(file.get(), mode_t(mode)));
}

int write(const Descriptor &file, std::string_view bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(file.get(), bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        done += std::size_t(n);
    }
    return 0;
}

int readAll(const Descriptor &file, std::string &out, std::size_t limit)
{
    constexpr std::size_t kStep = 65536;
    const std::size_t start = out.size();
    std::size_t done = start;
    for (;;) {
        if (done == out.size())
            out.resize(out.size() + kStep);
        const ssize_t n = ::read(file.get(), out.data() + done, out.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            out.resize(start);
            return errno;
        }
        if (n == 0)
            break;
        done += std::size_t(n);
        if (done - start > limit) {
            out.resize(start);
            return E2BIG;
        }
    }
    out.resize(done);
    return 0;
}

int setBlocking(const Descriptor &file)
{
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0)
        return errno;
    return ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) == 0 ? 0 : errno;
}

int sync(const Descriptor &file)
{
    return result(::fsync(file.get()));
}

std::uint32_t effectiveUser()
{
    return ::geteuid();
}

std::int64_t processId()
{
    return ::getpid();
}

QString userName()
{
    if (const passwd *user = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(user->pw_name);
    return QString::number(::geteuid());
}

unsigned newFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~unsigned(mask);
}

} // namespace posixfiles
