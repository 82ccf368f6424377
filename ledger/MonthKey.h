#pragma once

#include <optional>
#include <string_view>

namespace forms {

struct YearMonth {
    int year = 0;
    int month = 0;
    bool operator==(const YearMonth &) const = default;
};

// The month a key names: exactly six characters, four digits of year and
// two of month, the month 01 to 12. Nothing for anything else, so that a
// key no month can show (a hand-made line, an import line without a proper
// date) is told apart.
std::optional<YearMonth> parseMonthKey(std::string_view key);

} // namespace forms
