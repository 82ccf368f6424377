#include "ledger/LineFile.h"

#include "ledger/Codec1252.h"
#include "ledger/FileIO.h"
#include "ledger/TextLines.h"

#include <QFileInfo>

namespace linefile {

QString read(const QString &path, QStringList &lines)
{
    if (!QFileInfo::exists(path)) {
        lines.clear();
        return {};
    }
    std::string bytes;
    if (const QString why = fileio::readWhole(path, bytes, fileio::NamedBy::Program); !why.isEmpty())
        return fileio::readFailedMessage(path, why);
    lines.clear();
    textlines::forEachLine(bytes, [&lines](std::string_view line) {
        lines.append(cp1252::decode(line));
        return true;
    });
    return {};
}

std::string encode(const QStringList &lines)
{
    std::string bytes;
    for (const QString &line : lines) {
        cp1252::encodeAppend(bytes, line);
        bytes += "\r\n";
    }
    return bytes;
}

QString write(const QString &path, const QStringList &lines)
{
    return fileio::saveIfChanged(path, encode(lines));
}

} // namespace linefile
