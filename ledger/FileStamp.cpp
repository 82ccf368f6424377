#include "ledger/FileStamp.h"

#include "ledger/FileIO.h"

#include <QFile>
#include <QHash>

namespace filestamp {
namespace {

// The stamp never leaves the process, so any fast hash will do; a
// cryptographic one would make opening a large dossier visibly slower.
constexpr std::size_t kSeed = 0x7461'7665'6c69'6e00;

std::size_t hashOf(std::string_view bytes)
{
    return qHashBits(bytes.data(), bytes.size(), kSeed);
}

// Size and time as the file system gives them; false when there is no file.
bool statOf(const QString &path, FileStamp &stamp)
{
    posixfiles::Status st;
    if (posixfiles::statusOf(QFile::encodeName(path).toStdString(), st) != 0)
        return false;
    stamp.size = st.size;
    stamp.modified = st.modified;
    return true;
}

} // namespace

FileStamp of(const QString &path, std::string_view bytes)
{
    FileStamp stamp;
    statOf(path, stamp);
    stamp.size = qint64(bytes.size());
    stamp.hash = hashOf(bytes);
    return stamp;
}

bool unchanged(const QString &path, const FileStamp &stamp)
{
    FileStamp now;
    if (!statOf(path, now) || now.size != stamp.size || now.modified != stamp.modified)
        return false;
    std::string bytes;
    if (!fileio::readWhole(path, bytes).isEmpty())
        return false;
    return qint64(bytes.size()) == stamp.size && hashOf(bytes) == stamp.hash;
}

} // namespace filestamp
