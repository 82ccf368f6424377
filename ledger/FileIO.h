#pragma once

#include "platform/PosixFiles.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>
#include <string_view>

// Whole-file reads and writes for the ledger and reference files. Failures come
// back as a French reason ("accès refusé", "disque plein", ...), empty on success.
namespace fileio {

// Files larger than this are refused at reading: no ledger comes near it.
constexpr qint64 kMaxFileSize = qint64(1) << 30;

// Who chose the name of a file being read or written (see writeAtomically).
enum class NamedBy { User, Program };

// Opened without waiting. At a name the user gave, a FIFO that no program
// writes to reads as empty (one being written, a pipe from a script, reads as
// usual); a device or a socket is refused as no regular file. At a name the
// program chose, anything but a regular file is refused: another user may
// have planted a FIFO there, and held it open, to hold the program.
QString readWhole(const QString &path, std::string &out, NamedBy namedBy = NamedBy::User);

// The lines of a UTF-8 text file of this version's own (settings, register),
// CR LF or LF, the empty last one dropped; the reason too when the file
// cannot be read or is not UTF-8.
QString readUtf8Lines(const QString &path, QStringList &lines);

// The program resolves the links of the paths it writes itself (to replace
// the file a link points to, and keep the link), so the kernel's guard on
// links in shared folders never applies: this is that guard, for every
// writer. A link of the user running the program is followed. At a name the
// user gave (a dialog, the command line), another user's link is followed
// only in a folder no one else may write (no group or others' write right,
// sticky or not), or when it belongs to the folder's owner: in a shared
// folder, a link may have been planted there to have the program replace a
// file of its user's. At a name the program chose itself (the reference
// files, the settings, "ANouveau.Txt", the FEC, the ".bak"), no other user's
// link is followed. (The lock follows no link at all.)
bool linkMayBeFollowed(NamedBy namedBy, std::uint32_t linkOwner, const posixfiles::Status &folder);

// Replaces the file atomically: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and the temporary file is then renamed over
// the old one. On any failure the old file is left as it was and the
// temporary file is removed.
// A path that is a symbolic link replaces the file the link points to, in that
// file's folder, and the link stays, when linkMayBeFollowed() allows it; each
// link is checked on its own descriptor and each step taken relative to its
// folder's, so that a link swapped in meanwhile is never written through. A
// file the user may not write is refused (the rename would replace it all the
// same), and so is anything but a regular file: a folder, a FIFO, a device. The replaced file's permissions,
// and its owner and group as far as the process may set them, carry over.
// The temporary file is hidden and named after the file (".compta.jnl.tavelin-
// XXXXXX"); those a killed save left behind are removed by the next save of
// the file, and the folder is synced after the rename. With KeepAsBak, the
// content being replaced stays as "NAME.bak" beside the file, one generation;
// when it cannot, the file is written all the same and `backupWarning` gets
// the message saying why the previous content was not kept.
enum class Previous { Drop, KeepAsBak };
QString writeAtomically(const QString &path, std::string_view bytes, NamedBy namedBy = NamedBy::Program,
                        Previous previous = Previous::Drop, QString *backupWarning = nullptr);

// Replaces a small file (reference files, settings, tool files) atomically
// unless it already holds these bytes: such files are written when a dialog
// closes and again at exit, where a folder that became read-only would
// otherwise keep the program from closing for nothing. Their names are the
// program's. Gives back the message for the user when the write failed,
// empty otherwise.
QString saveIfChanged(const QString &path, std::string_view bytes);

// The reasons given for a file the user may not write, for a path that is no
// regular file, and for another user's link at a name the program chose.
QString writeProtectedReason();
QString notRegularReason();
QString foreignLinkReason();

// The folder a native path names its file in ("." for a bare name), and the file's name.
std::string folderOf(const std::string &path);
std::string nameOf(const std::string &path);

// Whether both paths name one existing file, whatever links lead to it.
bool sameFile(const QString &a, const QString &b);

// French text for an errno value.
QString reason(int error);

// The message shown when a save fails ("Le fichier X est protégé en écriture"
// for a file the user may not write, "X n'est pas un fichier ordinaire").
QString saveFailedMessage(const QString &path, const QString &reason);
QString readFailedMessage(const QString &path, const QString &reason);
// The warning of a save that went through without keeping the previous
// content in `backup`.
QString backupFailedMessage(const QString &backup, const QString &reason);

} // namespace fileio
