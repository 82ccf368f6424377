#pragma once

#include <QString>
#include <QStringList>
#include <string>

// The program's own files of lines in code page 1252 (the reference files,
// the desk tools' files, the reconciliation's settings and record): read and
// written here and nowhere else, cut into lines as every file is.
namespace linefile {

// Reads the file's lines (CR LF, a lone LF or a lone CR end a line). A
// missing file gives no line and no message; one that cannot be read (a
// folder of that name too, or a FIFO, which is refused without waiting for
// its writer), the French message naming it, `lines` then untouched.
QString read(const QString &path, QStringList &lines);

// The lines in code page 1252, each ended by CR LF.
std::string encode(const QStringList &lines);

// Replaces the file with the lines, atomically, unless it already holds
// them, so that only looking at a file kept in a folder the user may not
// write never fails; the French message when it could not, the old file
// then left as it was.
QString write(const QString &path, const QStringList &lines);

} // namespace linefile
