#pragma once

#include <QString>
#include <QStringList>
#include <string>

class Messages;

// The text files of the notepad and the message book: code page 1252, one
// line of text per line of the file, each ended by CR LF.
namespace toolfile {

// Reads the lines of a file (CR LF, a lone LF or a lone CR end a line).
// Gives back the user's message when the file exists but cannot be read,
// `lines` then untouched; a missing file gives no lines and no message.
QString read(const QString &path, QStringList &lines);

// Writes the lines to the file, replacing it at once. A file that already
// holds them is left alone, so that only looking at a file kept in a folder
// the user may not write never fails. Gives back the user's message when the
// file could not be written, the old file then left as it was.
QString write(const QString &path, const QStringList &lines);

// Whether the lines may be written: the characters code page 1252 has no
// byte for would be written as "?", so the user is told how many (and which)
// and asked first, as the import tells what it replaced. True when there are
// none or the user goes on; false leaves the window open to correct them.
bool mayWriteUnencodable(const QStringList &lines, Messages &messages);

// Whether a tool's window may close after writing its file: when the write
// went well (`failure` empty), or when the user, told why it failed, chooses
// to close `window` ("le bloc-notes") all the same and lose the changes.
bool mayClose(const QString &failure, const QString &window, Messages &messages);

} // namespace toolfile
