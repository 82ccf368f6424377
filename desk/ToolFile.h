#pragma once

#include <QString>
#include <QStringList>
#include <string>

class Messages;

// The text files of the notepad and the message book, read and written as
// the program's line files (ledger/LineFile.h): what may be written to them.
namespace toolfile {

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
