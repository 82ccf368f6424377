#include "ledger/LedgerFile.h"

#include "ledger/FileIO.h"
#include "ledger/TextLines.h"

namespace ledgerfile {

LineList parse(std::unique_ptr<std::string> text)
{
    std::vector<std::string_view> lines;
    textlines::cut(*text, std::size_t(-1), lines);
    return LineList::adopt(std::move(text), lines);
}

QString load(const QString &path, LineList &out, std::size_t maxLines)
{
    auto text = std::make_unique<std::string>();
    const QString why = fileio::readWhole(path, *text);
    if (!why.isEmpty())
        return why;
    std::vector<std::string_view> lines;
    if (!textlines::cut(*text, maxLines, lines))
        return QStringLiteral("le fichier compte plus de %1 lignes, ce n'est pas un fichier de Tavelin").arg(maxLines);
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
