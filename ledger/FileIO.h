#pragma once

#include <QString>
#include <string>
#include <string_view>

// Whole-file reads and writes for the ledger and reference files. Failures come
// back as a French reason ("accès refusé", "disque plein", ...), empty on success.
namespace fileio {

// Files larger than this are refused at reading: no ledger comes near it.
constexpr qint64 kMaxFileSize = qint64(1) << 30;

QString readWhole(const QString &path, std::string &out);

// Replaces the file atomically: the bytes go to a temporary file in the same
// folder, are flushed to the disk, and the temporary file is then renamed over
// the old one. On any failure the old file is left as it was and the
// temporary file is removed.
// A path that is a symbolic link replaces the file the link points to, in that
// file's folder, and the link stays. A file the user may not write is refused
// (the rename would replace it all the same). The replaced file's permissions,
// and its owner and group as far as the process may set them, carry over.
// The temporary file is hidden and named after the file (".compta.jnl.tavelin-
// XXXXXX"); those a killed save left behind are removed by the next save of
// the file, and the folder is synced after the rename. With KeepAsBak, the
// content being replaced stays as "NAME.bak" beside the file, one generation.
enum class Previous { Drop, KeepAsBak };
QString writeAtomically(const QString &path, std::string_view bytes, Previous previous = Previous::Drop);

// Replaces a small file (reference files, settings, tool files) atomically
// unless it already holds these bytes: such files are written when a dialog
// closes and again at exit, where a folder that became read-only would
// otherwise keep the program from closing for nothing. Gives back the
// message for the user when the write failed, empty otherwise.
QString saveIfChanged(const QString &path, std::string_view bytes);

// The reason given for a file the user may not write.
QString writeProtectedReason();

// French text for an errno value.
QString reason(int error);

// The message shown when a save fails ("Le fichier X est protégé en écriture"
// for a file the user may not write).
QString saveFailedMessage(const QString &path, const QString &reason);
QString readFailedMessage(const QString &path, const QString &reason);

} // namespace fileio
