#include "ledger/LedgerFile.h"

#include "ledger/FileIO.h"

#include <QDir>
#include <algorithm>
#include <cstring>

namespace ledgerfile {
namespace {

// The lines of the text as views into it; false as soon as there are more
// than `maxLines`.
bool cut(const std::string &text, std::size_t maxLines, std::vector<std::string_view> &lines)
{
    const char *begin = text.data();
    std::size_t size = text.size();
    if (const void *nul = std::memchr(begin, '\0', size))
        size = std::size_t(static_cast<const char *>(nul) - begin);

    lines.reserve(std::min(size / 16 + 1, maxLines));
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < size) {
        const char c = begin[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        if (lines.size() == maxLines)
            return false;
        lines.emplace_back(begin + start, i - start);
        if (c == '\r' && i + 1 < size && begin[i + 1] == '\n')
            ++i;
        start = ++i;
    }
    if (start < size) {
        if (lines.size() == maxLines)
            return false;
        lines.emplace_back(begin + start, size - start);
    }
    return true;
}

// Reads the file and cuts it; a French reason when it cannot be read.
QString readLines(const QString &path, std::size_t maxLines, std::string &text, std::vector<std::string_view> &lines)
{
    const QString why = fileio::readWhole(path, text);
    if (!why.isEmpty())
        return why;
    if (!cut(text, maxLines, lines))
        return QStringLiteral("le fichier compte plus de %1 lignes, ce n'est pas un fichier de Tavelin").arg(maxLines);
    return {};
}

bool isEntryLine(std::string_view l)
{
    return l.size() >= 7 && std::all_of(l.begin(), l.begin() + 7, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

LineList parse(std::unique_ptr<std::string> text)
{
    std::vector<std::string_view> lines;
    cut(*text, std::size_t(-1), lines);
    return LineList::adopt(std::move(text), lines);
}

QString load(const QString &path, LineList &out, std::size_t maxLines)
{
    auto text = std::make_unique<std::string>();
    std::vector<std::string_view> lines;
    const QString why = readLines(path, maxLines, *text, lines);
    if (!why.isEmpty())
        return why;
    out = LineList::adopt(std::move(text), lines);
    return {};
}

QString openLedger(const QString &path, LineList &out, std::size_t maxLines)
{
    auto text = std::make_unique<std::string>();
    std::vector<std::string_view> lines;
    const QString why = readLines(path, maxLines, *text, lines);
    if (!why.isEmpty())
        return fileio::readFailedMessage(path, why);
    const bool ledger = text->empty()
                        || std::any_of(lines.begin(), lines.end(),
                                       [](std::string_view l) { return l == "<HEAD>" || isEntryLine(l); });
    if (!ledger)
        return QStringLiteral("Le fichier %1 n'est pas un dossier Tavelin").arg(QDir::toNativeSeparators(path));
    out = LineList::adopt(std::move(text), lines);
    return {};
}

std::string serialize(const LineList &lines)
{
    std::size_t total = 0;
    for (std::string_view l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (std::string_view l : lines) {
        out.append(l);
        out.append("\r\n", 2);
    }
    return out;
}

} // namespace ledgerfile
