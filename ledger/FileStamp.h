#pragma once

#include <QString>
#include <QtGlobal>
#include <string_view>

// What a session knows of the file it read or last wrote, to tell at its next
// save whether another program changed the file since: its size, its time of
// modification and a hash of its bytes (a rewrite within the same tick of a
// coarse clock, or one that keeps the size, still changes the hash).
struct FileStamp {
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds since the epoch
    std::size_t hash = 0;
    bool operator==(const FileStamp &) const = default;
};

namespace filestamp {

// The stamp of the bytes just read from or written to the file: their size
// and hash, and the file's time of modification as it stands. Should the file
// change in between, the hash no longer matches it: the change is seen.
FileStamp of(const QString &path, std::string_view bytes);

// Whether the file still holds what the stamp describes: a file whose size or
// time differs is not read at all. A file gone or unreadable has changed.
bool unchanged(const QString &path, const FileStamp &stamp);

} // namespace filestamp
