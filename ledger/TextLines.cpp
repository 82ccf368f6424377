#include "ledger/TextLines.h"

#include <algorithm>

namespace textlines {

bool cut(std::string_view text, std::size_t maxLines, std::vector<std::string_view> &lines)
{
    lines.reserve(lines.size() + std::min(text.size() / 16 + 1, maxLines));
    std::size_t count = 0;
    return forEachLine(text, [&](std::string_view line) {
        if (count == maxLines)
            return false;
        lines.push_back(line);
        ++count;
        return true;
    });
}

} // namespace textlines
