#include "ledger/MonthKey.h"

namespace forms {

std::optional<YearMonth> parseMonthKey(std::string_view key)
{
    if (key.size() != 6)
        return std::nullopt;
    int digits[6];
    for (std::size_t i = 0; i < 6; ++i) {
        if (key[i] < '0' || key[i] > '9')
            return std::nullopt;
        digits[i] = key[i] - '0';
    }
    const YearMonth month{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5]};
    if (month.month < 1 || month.month > 12)
        return std::nullopt;
    return month;
}

} // namespace forms
