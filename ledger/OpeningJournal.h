#pragma once

#include <string_view>

// The journal of the opening entries ("à-nouveaux") the closing writes on the
// first day of the next fiscal year: they carry the balances over, so the
// statements and returns that start on that day take them as their opening.
namespace journals {

inline constexpr std::string_view kOpening = "AN";

} // namespace journals
