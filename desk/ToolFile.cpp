#include "desk/ToolFile.h"

#include "ledger/Codec1252.h"
#include "ledger/FileIO.h"
#include "ledger/TextLines.h"
#include "platform/Messages.h"

#include <QFileInfo>
#include <string_view>
#include <vector>

namespace toolfile {

namespace {

std::string encode(const QStringList &lines)
{
    std::string bytes;
    for (const QString &line : lines) {
        cp1252::encodeAppend(bytes, line);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace

QString read(const QString &path, QStringList &lines)
{
    if (!QFileInfo::exists(path)) {
        lines.clear();
        return {};
    }
    std::string bytes;
    const QString why = fileio::readWhole(path, bytes);
    if (!why.isEmpty())
        return fileio::readFailedMessage(path, why);
    std::vector<std::string_view> cut;
    textlines::cut(bytes, std::size_t(-1), cut);
    lines.clear();
    lines.reserve(qsizetype(cut.size()));
    for (std::string_view line : cut)
        lines.append(cp1252::decode(line));
    return {};
}

QString write(const QString &path, const QStringList &lines)
{
    return fileio::saveIfChanged(path, encode(lines));
}

bool mayClose(const QString &failure, const QString &window, Messages &messages)
{
    return failure.isEmpty()
           || messages.warningOkCancel(
               QStringLiteral("%1\n\nFermer %2 sans enregistrer ces changements ?").arg(failure, window));
}

} // namespace toolfile
