#include "ledger/FileIO.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <sys/file.h>
#include <climits>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {
namespace {

// Links followed before giving up, as the kernel does.
constexpr int kMaxLinks = 40;

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Follows the symbolic links the path ends in, so that a save through a link
// replaces the file it points to and the link stays; the reason when the
// chain cannot or may not be followed, empty otherwise (a path that does not
// exist yet is left as it is).
QString followLinks(std::string &path, NamedBy namedBy)
{
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return {};
        if (!linkMayBeFollowed(namedBy, st.st_uid))
            return foreignLinkReason();
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return reason(errno);
        if (std::size_t(n) == target.size())
            return reason(ENAMETOOLONG);
        target.resize(std::size_t(n));
        path = target.front() == '/' ? target : folderOf(path) + '/' + target;
    }
    return reason(ELOOP);
}

// The new file takes the owner and group of the one it replaces: a save made
// as another user (root) must not hand the user's ledger to that user. When
// the owner cannot be given away, the group at least is kept if the user
// belongs to it. True when both carried over.
bool keepOwner(int fd, const struct stat &old)
{
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return false;
    if (now.st_uid == old.st_uid && now.st_gid == old.st_gid)
        return true;
    if (::fchown(fd, old.st_uid, old.st_gid) == 0)
        return true;
    return now.st_gid != old.st_gid && ::fchown(fd, uid_t(-1), old.st_gid) == 0 && now.st_uid == old.st_uid;
}

mode_t newFileMode()
{
    // The usual permissions of a new file (0666 less the umask), rather than
    // mkstemp's private 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// The temporary copies of a file: hidden, named after the file and after what
// they are, so that a save killed half-way leaves a name that says so.
std::string temporaryPrefix(const std::string &target)
{
    return "." + nameOf(target) + ".tavelin-";
}

// Removes the temporary copies of the file that no process is writing: a
// writer holds a lock on its copy from the moment it creates it until the
// copy is renamed or removed, and a killed writer's lock goes with it.
void removeStaleCopies(const std::string &target)
{
    const std::string folder = folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    DIR *dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.substr(0, prefix.size()) != prefix)
            continue;
        const std::string path = folder + '/' + std::string(name);
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            continue;
        struct stat st {};
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.c_str());
        ::close(fd);
    }
    ::closedir(dir);
}

// Creates the temporary copy and locks it as being written. A copy removed
// as stale by another save before the lock was taken is made again.
int createLockedCopy(std::string &temp, const std::string &target)
{
    for (;;) {
        temp = folderOf(target) + '/' + temporaryPrefix(target) + "XXXXXX";
        const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
        if (fd < 0)
            return -1;
        struct stat st {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        ::close(fd);
    }
}

// Keeps the content being replaced as "NAME.bak" beside the file: a second
// name for the old file where the file system allows it, a copy elsewhere.
// The reason when it could not, empty otherwise.
QString keepPrevious(const std::string &target)
{
    const std::string backup = target + ".bak";
    if (::unlink(backup.c_str()) != 0 && errno != ENOENT)
        return reason(errno);
    if (::link(target.c_str(), backup.c_str()) == 0)
        return {};
    std::string previous;
    const QString why = readWhole(QFile::decodeName(target.c_str()), previous);
    return why.isEmpty() ? writeAtomically(QFile::decodeName(backup.c_str()), previous, NamedBy::Program) : why;
}

// Makes the rename itself last through a power cut.
void syncFolder(const std::string &target)
{
    const int fd = ::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

bool writeAll(int fd, std::string_view bytes, int &error)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        if (n == 0) {
            error = ENOSPC;
            return false;
        }
        done += std::size_t(n);
    }
    return true;
}

bool linkMayBeFollowed(NamedBy namedBy, uid_t linkOwner)
{
    return namedBy == NamedBy::User || linkOwner == ::geteuid();
}

QString writeAtomically(const QString &path, std::string_view bytes, NamedBy namedBy, Previous previous,
                        QString *backupWarning)
{
    std::string target = QFile::encodeName(path).toStdString();
    if (const QString why = followLinks(target, namedBy); !why.isEmpty())
        return why;

    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing) {
        // The rename would put a file in place of a folder's name, a FIFO
        // or a device ("/dev/null" given as the output, as root).
        if (!S_ISREG(old.st_mode))
            return notRegularReason();
        // The rename needs the folder's rights only: without this check a
        // read-only file would be replaced all the same.
        if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
            if (errno == EACCES || errno == EPERM)
                return writeProtectedReason();
            if (errno == EROFS)
                return reason(EROFS);
        }
    }

    removeStaleCopies(target);
    std::string temp;
    const int fd = createLockedCopy(temp, target);
    if (fd < 0)
        return reason(errno);
    auto fail = [&](int error) {
        ::unlink(temp.c_str());
        ::close(fd);
        return reason(error);
    };

    // Owner first: a change of owner clears the set-id bits the mode may restore.
    if (replacing)
        keepOwner(fd, old);
    if (::fchmod(fd, replacing ? old.st_mode & 07777 : newFileMode()) != 0)
        return fail(errno);
    int error = 0;
    if (!writeAll(fd, bytes, error))
        return fail(error);
    if (::fsync(fd) != 0)
        return fail(errno);
    if (replacing && previous == Previous::KeepAsBak) {
        const QString why = keepPrevious(target);
        if (!why.isEmpty() && backupWarning)
            *backupWarning = backupFailedMessage(QFile::decodeName((target + ".bak").c_str()), why);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0)
        return fail(errno);
    // The copy is in place and on the disk: its lock ends with it.
    ::close(fd);
    syncFolder(target);
    return {};
}

} // namespace fileio
