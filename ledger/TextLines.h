#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>
#include <vector>

// Cutting a text file into lines, the way every file of the program is read.
namespace textlines {

// Hands each line of the text to `visit` (which returns whether to go on), as
// a view into it: CR LF, a lone LF or a lone CR end a line; a NUL byte ends
// the text. A last line without its line end still counts. False when
// `visit` stopped the walk.
template <class Visit>
bool forEachLine(std::string_view text, Visit &&visit)
{
    if (const void *nul = std::memchr(text.data(), '\0', text.size()))
        text = text.substr(0, std::size_t(static_cast<const char *>(nul) - text.data()));
    const char *begin = text.data();
    const std::size_t size = text.size();
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < size) {
        const char c = begin[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        if (!visit(std::string_view(begin + start, i - start)))
            return false;
        if (c == '\r' && i + 1 < size && begin[i + 1] == '\n')
            ++i;
        start = ++i;
    }
    return start >= size || visit(std::string_view(begin + start, size - start));
}

// Appends the lines of the text to `lines`, as views into it. False as soon
// as a line more than `maxLines` would be needed (`lines` then holds the
// first `maxLines`).
bool cut(std::string_view text, std::size_t maxLines, std::vector<std::string_view> &lines);

} // namespace textlines
