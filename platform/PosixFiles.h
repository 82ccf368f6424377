#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// The system's file calls, and nothing else: the rules that decide what to
// open, follow, lock or replace live with their callers in ledger/. Calls
// work on descriptors, names inside a folder opened once, so that what was
// checked is what is then written (never the same path resolved twice).
// Each call gives back 0 on success, or else the system's error number.
namespace posixfiles {

// An open descriptor, closed when its holder goes.
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    Descriptor(Descriptor &&other) noexcept;
    Descriptor &operator=(Descriptor &&other) noexcept;
    ~Descriptor() { close(); }
    bool valid() const { return fd_ >= 0; }
    int get() const { return fd_; }
    void close();

private:
    int fd_ = -1;
};

// What the system says of a file.
struct Status {
    enum class Kind { Regular, Folder, Link, Fifo, Other };
    Kind kind = Kind::Other;
    unsigned mode = 0; // the permission, set-id and sticky bits (07777)
    std::uint32_t owner = 0;
    std::uint32_t group = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0; // nanoseconds since the epoch
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t links = 0;
    bool sameFileAs(const Status &other) const { return device == other.device && inode == other.inode; }
    // Whether users other than the owner may add and remove names in it.
    bool othersMayWrite() const { return (mode & 0022) != 0; }
};

// How a name in a folder is opened. None follows a link standing at the name
// itself, none waits for a FIFO's other end.
enum class Open {
    Handle,  // only to stat it or read the link (O_PATH | O_NOFOLLOW)
    Read,    // to read (O_RDONLY | O_NOFOLLOW | O_NONBLOCK)
    Folder,  // a folder under it (ELOOP or ENOTDIR for a link)
};

// Opens a folder by its path, to open, create, rename and list names in it.
int openFolder(const std::string &path, Descriptor &out);
int openIn(const Descriptor &folder, const std::string &name, Open how, Descriptor &out);
// Opens a path for reading, links followed, without waiting for a FIFO's writer.
int openForReading(const std::string &path, Descriptor &out);
// Creates a name that stands nowhere yet, open for writing.
int createIn(const Descriptor &folder, const std::string &name, unsigned mode, Descriptor &out);

int status(const Descriptor &file, Status &out);
// The status of what a path leads to, links followed.
int statusOf(const std::string &path, Status &out);
// The target of the link a Handle descriptor holds.
int readLink(const Descriptor &link, std::string &target);
// Whether this process may write the file (0, or EACCES, EPERM, EROFS).
int mayWrite(const Descriptor &file);

int rename(const Descriptor &fromFolder, const std::string &from, const Descriptor &toFolder, const std::string &to);
// A second name for a file of the folder, a link at `from` not followed.
int link(const Descriptor &folder, const std::string &from, const std::string &to);
int remove(const Descriptor &folder, const std::string &name);
// Calls `visit` with each name of the folder.
int forEachName(const Descriptor &folder, const std::function<void(const std::string &)> &visit);

enum class Lock { Exclusive, ExclusiveNow, SharedNow };
// flock(): waiting for it (Exclusive) or not (EWOULDBLOCK while another holds it).
int lock(const Descriptor &file, Lock how);

int setOwner(const Descriptor &file, std::uint32_t owner, std::uint32_t group);
int setGroup(const Descriptor &file, std::uint32_t group);
int setMode(const Descriptor &file, unsigned mode);
int write(const Descriptor &file, std::string_view bytes);
// Reads up to `limit` bytes more than `out` holds, to its end; E2BIG past the limit.
int readAll(const Descriptor &file, std::string &out, std::size_t limit);
// Blocks again on a descriptor opened without waiting.
int setBlocking(const Descriptor &file);
int sync(const Descriptor &file);

std::uint32_t effectiveUser();
std::int64_t processId();
// The name of the user running the process, its number when it has none.
QString userName();
// The permissions a new file gets, 0666 less the umask.
unsigned newFileMode();

} // namespace posixfiles
