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
QString writeAtomically(const QString &path, std::string_view bytes);

// French text for an errno value.
QString reason(int error);

// The message shown when a save fails.
QString saveFailedMessage(const QString &path, const QString &reason);
QString readFailedMessage(const QString &path, const QString &reason);

} // namespace fileio
