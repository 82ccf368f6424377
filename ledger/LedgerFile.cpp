#include "ledger/LedgerFile.h"

#include <cstring>

namespace ledgerfile {

LineList parse(std::unique_ptr<std::string> text)
{
    const char *begin = text->data();
    std::size_t size = text->size();
    if (const void *nul = std::memchr(begin, '\0', size))
        size = std::size_t(static_cast<const char *>(nul) - begin);

    std::vector<std::string_view> lines;
    lines.reserve(size / 16 + 1);
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < size) {
        const char c = begin[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(begin + start, i - start);
        if (c == '\r' && i + 1 < size && begin[i + 1] == '\n')
            ++i;
        start = ++i;
    }
    if (start < size)
        lines.emplace_back(begin + start, size - start);
    return LineList::adopt(std::move(text), std::move(lines));
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
