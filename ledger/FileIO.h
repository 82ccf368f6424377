#pragma once

#include <QString>
#include <QStringList>
#include <sys/types.h>
#include <string>
#include <string_view>

// Whole-file reads and writes for the ledger and reference files. Failures come
// back as a French reason ("accès refusé", "disque plein", ...), empty on success.
namespace fileio {

// Files larger than this are refused at reading: no ledger comes near it.
constexpr qint64 kMaxFileSize = qint64(1) << 30;

// A FIFO that no program writes to reads as empty rather than waiting; a
// device or a socket is refused as no regular file.
QString readWhole(const QString &path, std::string &out);

// The lines of a UTF-8 text file of this version's own (settings, register),
// CR LF or LF, the empty last one dropped; the reason too when the file
// cannot be read or is not UTF-8.
QString readUtf8Lines(const QString &path, QStringList &lines);

// Who chose the name of a file being written. A symbolic link standing at a
// name the user gave (a dialog, the command line) leads to the file it points
// to, as the user meant. At a name the program chose itself (the reference
// files, the settings, the notepad and message files, "ANouveau.Txt", the
// ".bak"), in a folder others may write, a link may have been planted by
// another user to have the program replace a file of its user's: it is
// followed only when it belongs to the user running the program, the rule
// the kernel applies to links in sticky folders. linkMayBeFollowed() is
// that rule, for every writer. (The lock follows no link at all.)
enum class NamedBy { User, Program };
bool linkMayBeFollowed(NamedBy namedBy, uid_t linkOwner);

// Replaces the file atomically: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and the temporary file is then renamed over
// the old one. On any failure the old file is left as it was and the
// temporary file is removed.
// A path that is a symbolic link replaces the file the link points to, in that
// file's folder, and the link stays, when linkMayBeFollowed() allows it. A
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

// Writes all the bytes to an open file; false with the errno value otherwise.
bool writeAll(int fd, std::string_view bytes, int &error);

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
