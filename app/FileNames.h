#pragma once

#include <QString>

// The ledger file names the main window accepts and makes.
namespace filenames {

// Whether the path's last four characters are ".jnl" in any case.
bool isLedgerName(const QString &path);

// The path with the extension ".jnl": the file name is cut at its first "."
// (a dot in a folder name, or the dot that starts a hidden file's name, is
// kept) and ".jnl" is appended. compta and compta.2002.jnl both give compta.jnl.
QString forceLedgerExtension(const QString &path);

// The file name without its folder.
QString withoutFolder(const QString &path);

} // namespace filenames
