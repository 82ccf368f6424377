#include "ledger/LedgerFile.h"

#include "ledger/FileIO.h"
#include "ledger/TextLines.h"

#include <QDir>
#include <algorithm>

namespace ledgerfile {
namespace {

QString tooManyLines(std::size_t maxLines)
{
    return QStringLiteral("le fichier compte plus de %1 lignes, ce n'est pas un fichier de Tavelin").arg(maxLines);
}

// Reads the file and cuts it; a French reason when it cannot be read.
QString readLines(const QString &path, std::size_t maxLines, std::string &text, std::vector<std::string_view> &lines)
{
    const QString why = fileio::readWhole(path, text);
    if (!why.isEmpty())
        return why;
    if (!textlines::cut(text, maxLines, lines))
        return tooManyLines(maxLines);
    return {};
}

bool isEntryLine(std::string_view l)
{
    return l.size() >= 7 && std::all_of(l.begin(), l.begin() + 7, [](char c) { return c >= '0' && c <= '9'; });
}

// A file that is not empty but holds neither the header's "<HEAD>" line nor
// a line of the entry form is a picture or a letter given the ".jnl"
// extension, which the next save would write over.
QString notALedger(const QString &path, std::string_view text)
{
    const bool ledger = text.empty() || !textlines::forEachLine(text, [](std::string_view l) {
        return !(l == "<HEAD>" || isEntryLine(l));
    });
    return ledger ? QString() : QStringLiteral("Le fichier %1 n'est pas un dossier Tavelin").arg(QDir::toNativeSeparators(path));
}

QString openLedgerStamped(const QString &path, LineList &out, std::size_t maxLines, FileStamp *stamp)
{
    auto text = std::make_unique<std::string>();
    std::vector<std::string_view> lines;
    const QString why = readLines(path, maxLines, *text, lines);
    if (!why.isEmpty())
        return fileio::readFailedMessage(path, why);
    if (const QString refusal = notALedger(path, *text); !refusal.isEmpty())
        return refusal;
    if (stamp)
        *stamp = filestamp::of(path, *text);
    out = LineList::adopt(std::move(text), lines);
    return {};
}

} // namespace

LineList parse(std::unique_ptr<std::string> text)
{
    std::vector<std::string_view> lines;
    textlines::cut(*text, std::size_t(-1), lines);
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
    return openLedgerStamped(path, out, maxLines, nullptr);
}

QString openLedger(const QString &path, LineList &out, FileStamp &stamp)
{
    return openLedgerStamped(path, out, kMaxLines, &stamp);
}

QString readLedgerText(const QString &path, std::string &text, std::size_t maxLines)
{
    QString why = fileio::readWhole(path, text);
    std::size_t count = 0;
    if (why.isEmpty() && !textlines::forEachLine(text, [&](std::string_view) { return count++ < maxLines; }))
        why = tooManyLines(maxLines);
    QString refusal = why.isEmpty() ? notALedger(path, text) : fileio::readFailedMessage(path, why);
    if (!refusal.isEmpty())
        text.clear();
    return refusal;
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
