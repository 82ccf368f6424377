#include "ledger/TextLines.h"

#include <algorithm>
#include <cstring>

namespace textlines {

bool cut(std::string_view text, std::size_t maxLines, std::vector<std::string_view> &lines)
{
    const char *begin = text.data();
    std::size_t size = text.size();
    if (const void *nul = std::memchr(begin, '\0', size))
        size = std::size_t(static_cast<const char *>(nul) - begin);

    lines.reserve(lines.size() + std::min(size / 16 + 1, maxLines));
    std::size_t count = 0;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < size) {
        const char c = begin[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        if (count == maxLines)
            return false;
        lines.emplace_back(begin + start, i - start);
        ++count;
        if (c == '\r' && i + 1 < size && begin[i + 1] == '\n')
            ++i;
        start = ++i;
    }
    if (start < size) {
        if (count == maxLines)
            return false;
        lines.emplace_back(begin + start, size - start);
    }
    return true;
}

} // namespace textlines
