#include "ledger/FileIO.h"

#include <QFile>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <string>

namespace fileio {
namespace {

using posixfiles::Descriptor;
using posixfiles::Status;

// Links followed before giving up, as the kernel does.
constexpr int kMaxLinks = 40;

// Where a file is written: a name in a folder held open, and what stands at
// the name now. Every step from the link check to the rename goes through
// the folder's descriptor, so that a link swapped in meanwhile is never
// written through: the rename replaces the name itself.
struct Target {
    Descriptor folder;
    std::string name;
    std::string shown; // the path as followed, for the messages
    bool replacing = false;
    Descriptor file; // what stands at the name, opened where it is (not through a link)
    Status old;
};

// Goes down the folders of a relative path from `folder`, following the
// links on the way by the rule the kernel applies in shared folders (which
// it may not be told to apply), each decided on the link's own descriptor;
// `hops` counts the links followed. The reason when it cannot or may not.
QString walk(Descriptor &folder, const std::string &path, int &hops)
{
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        const std::string step = path.substr(start, slash - start);
        start = slash + 1;
        if (step.empty() || step == ".")
            continue;
        Descriptor next;
        const int error = posixfiles::openIn(folder, step, posixfiles::Open::Folder, next);
        if (!error) {
            folder = std::move(next);
            continue;
        }
        if (error != ELOOP && error != ENOTDIR)
            return reason(error);
        Descriptor link;
        Status st, where;
        if (const int e = posixfiles::openIn(folder, step, posixfiles::Open::Handle, link))
            return reason(e);
        int e = posixfiles::status(link, st);
        if (!e)
            e = posixfiles::status(folder, where);
        if (e)
            return reason(e);
        if (st.kind != Status::Kind::Link)
            return reason(error);
        if (!linkMayBeFollowed(NamedBy::User, st.owner, where))
            return foreignLinkReason();
        if (++hops > kMaxLinks)
            return reason(ELOOP);
        std::string target;
        if ((e = posixfiles::readLink(link, target)))
            return reason(e);
        if (target.front() == '/' && (e = posixfiles::openFolder("/", folder)))
            return reason(e);
        if (const QString why = walk(folder, target, hops); !why.isEmpty())
            return why;
    }
    return {};
}

// Follows the links the target's name leads through, each one decided on
// the descriptor of the link itself; the reason when the chain cannot or may
// not be followed, empty otherwise (a name that does not exist yet is left
// as it is).
QString locate(NamedBy namedBy, Target &target)
{
    for (int hops = 0; hops <= kMaxLinks;) {
        const int error = posixfiles::openIn(target.folder, target.name, posixfiles::Open::Handle, target.file);
        if (error == ENOENT)
            return {};
        if (error)
            return reason(error);
        if (const int e = posixfiles::status(target.file, target.old))
            return reason(e);
        if (target.old.kind != Status::Kind::Link) {
            target.replacing = true;
            return {};
        }
        Status folder;
        if (const int e = posixfiles::status(target.folder, folder))
            return reason(e);
        if (!linkMayBeFollowed(namedBy, target.old.owner, folder))
            return foreignLinkReason();
        std::string link;
        if (const int e = posixfiles::readLink(target.file, link))
            return reason(e);
        target.file.close();
        if (++hops > kMaxLinks)
            break;
        if (link.front() == '/') {
            if (const int e = posixfiles::openFolder("/", target.folder))
                return reason(e);
        }
        if (const QString why = walk(target.folder, folderOf(link), hops); !why.isEmpty())
            return why;
        target.name = nameOf(link);
        target.shown = link.front() == '/' ? link : folderOf(target.shown) + '/' + link;
    }
    return reason(ELOOP);
}

// The new file takes the owner and group of the one it replaces: a save made
// as another user (root) must not hand the user's ledger to that user. When
// the owner cannot be given away, the group at least is kept if the user
// belongs to it.
void keepOwner(const Descriptor &copy, const Status &old)
{
    Status now;
    if (posixfiles::status(copy, now) != 0 || (now.owner == old.owner && now.group == old.group))
        return;
    if (posixfiles::setOwner(copy, old.owner, old.group) != 0 && now.group != old.group)
        posixfiles::setGroup(copy, old.group);
}

// The temporary copies of a file: hidden, named after the file and after what
// they are, so that a save killed half-way leaves a name that says so.
std::string temporaryPrefix(const std::string &name)
{
    return "." + name + ".tavelin-";
}

constexpr std::size_t kTemporarySuffix = 6;

// Removes the temporary copies of the file that no process is writing: a
// writer holds a lock on its copy from the moment it creates it until the
// copy is renamed or removed, and a killed writer's lock goes with it.
void removeStaleCopies(const Target &target)
{
    const std::string prefix = temporaryPrefix(target.name);
    std::vector<std::string> copies;
    posixfiles::forEachName(target.folder, [&](const std::string &name) {
        if (name.size() == prefix.size() + kTemporarySuffix && name.compare(0, prefix.size(), prefix) == 0)
            copies.push_back(name);
    });
    for (const std::string &name : copies) {
        Descriptor copy;
        Status st;
        if (posixfiles::openIn(target.folder, name, posixfiles::Open::Read, copy) == 0 && posixfiles::status(copy, st) == 0
            && st.kind == Status::Kind::Regular && posixfiles::lock(copy, posixfiles::Lock::ExclusiveNow) == 0)
            posixfiles::remove(target.folder, name);
    }
}

// Creates the temporary copy and locks it as being written. A copy removed
// as stale by another save before the lock was taken is made again.
int createLockedCopy(const Target &target, std::string &temp, Descriptor &copy)
{
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    for (;;) {
        temp = temporaryPrefix(target.name);
        for (std::size_t i = 0; i < kTemporarySuffix; ++i)
            temp += kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        const int error = posixfiles::createIn(target.folder, temp, 0600, copy);
        if (error == EEXIST)
            continue;
        if (error)
            return error;
        Status st;
        if (posixfiles::lock(copy, posixfiles::Lock::Exclusive) == 0 && posixfiles::status(copy, st) == 0 && st.links > 0)
            return 0;
    }
}

QString writeTo(Target &target, std::string_view bytes, Previous previous, QString *backupWarning);

// Keeps the content being replaced as "NAME.bak" beside the file: a second
// name for the old file where the file system allows it, a copy elsewhere.
// The reason when it could not, empty otherwise.
QString keepPrevious(const Target &target)
{
    const std::string backup = target.name + ".bak";
    if (const int error = posixfiles::remove(target.folder, backup); error && error != ENOENT)
        return reason(error);
    if (posixfiles::link(target.folder, target.name, backup) == 0)
        return {};
    Descriptor old;
    std::string previous;
    if (const int error = posixfiles::openIn(target.folder, target.name, posixfiles::Open::Read, old))
        return reason(error);
    if (const int error = posixfiles::readAll(old, previous, std::size_t(kMaxFileSize)))
        return reason(error);
    Target copy;
    if (const int error = posixfiles::openIn(target.folder, ".", posixfiles::Open::Folder, copy.folder))
        return reason(error);
    copy.name = backup;
    copy.shown = target.shown + ".bak";
    if (const QString why = locate(NamedBy::Program, copy); !why.isEmpty())
        return why;
    return writeTo(copy, previous, Previous::Drop, nullptr);
}

QString writeTo(Target &target, std::string_view bytes, Previous previous, QString *backupWarning)
{
    if (target.replacing) {

        // The rename would put a file in place of a folder's name, a FIFO
        // or a device ("/dev/null" given as the output, as root).
        if (target.old.kind != Status::Kind::Regular)
            return notRegularReason();
        // The rename needs the folder's rights only: without this check a
        // read-only file would be replaced all the same.
        const int error = posixfiles::mayWrite(target.file);
        if (error == EACCES || error == EPERM)
            return writeProtectedReason();
        if (error == EROFS)
            return reason(EROFS);
    }

    removeStaleCopies(target);
    std::string temp;
    Descriptor copy;
    if (const int error = createLockedCopy(target, temp, copy))
        return reason(error);
    auto fail = [&](int error) {
        posixfiles::remove(target.folder, temp);
        return reason(error);
    };

    // Owner first: a change of owner clears the set-id bits the mode may restore.
    if (target.replacing)
        keepOwner(copy, target.old);
    if (const int error = posixfiles::setMode(copy, target.replacing ? target.old.mode : posixfiles::newFileMode()))
        return fail(error);
    if (const int error = posixfiles::write(copy, bytes))
        return fail(error);
    if (const int error = posixfiles::sync(copy))
        return fail(error);
    if (target.replacing && previous == Previous::KeepAsBak) {
        const QString why = keepPrevious(target);
        if (!why.isEmpty() && backupWarning)
            *backupWarning = backupFailedMessage(QFile::decodeName((target.shown + ".bak").c_str()), why);
    }
    if (const int error = posixfiles::rename(target.folder, temp, target.folder, target.name))
        return fail(error);
    // The copy is in place and on the disk: its lock ends with it; the
    // folder's sync makes the rename itself last through a power cut.
    copy.close();
    posixfiles::sync(target.folder);
    return {};
}

} // namespace

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

bool linkMayBeFollowed(NamedBy namedBy, std::uint32_t linkOwner, const posixfiles::Status &folder)
{
    if (linkOwner == posixfiles::effectiveUser())
        return true;
    if (namedBy == NamedBy::Program)
        return false;
    return !folder.othersMayWrite() || linkOwner == folder.owner;
}

QString writeAtomically(const QString &path, std::string_view bytes, NamedBy namedBy, Previous previous,
                        QString *backupWarning)
{
    Target target;
    target.shown = QFile::encodeName(path).toStdString();
    target.name = nameOf(target.shown);
    if (target.shown.empty())
        return reason(ENOENT);
    int hops = 0;
    if (const int error = posixfiles::openFolder(target.shown.front() == '/' ? "/" : ".", target.folder))
        return reason(error);
    if (const QString why = walk(target.folder, folderOf(target.shown), hops); !why.isEmpty())
        return why;
    if (const QString why = locate(namedBy, target); !why.isEmpty())
        return why;
    return writeTo(target, bytes, previous, backupWarning);
}

} // namespace fileio
