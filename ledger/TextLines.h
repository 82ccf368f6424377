#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// Cutting a text file into lines, the way every file of the program is read.
namespace textlines {

// Appends the lines of the text to `lines`, as views into it: CR LF, a lone
// LF or a lone CR end a line; a NUL byte ends the text. A last line without
// its line end still counts. False as soon as a line more than `maxLines`
// would be needed (`lines` then holds the first `maxLines`).
bool cut(std::string_view text, std::size_t maxLines, std::vector<std::string_view> &lines);

} // namespace textlines
