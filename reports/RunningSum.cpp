#include "reports/RunningSum.h"

#include "ledger/TextForms.h"

namespace reports {

void RunningSum::add(std::string_view amount)
{
    const std::optional<Cents> parsed = forms::parseAmount(amount);
    AmountTotal sum = value_;
    sum.add(parsed.value_or(0));
    if (sum.computed() && (sum.value() != 0 || parsed))
        read_ = true;
    value_ = sum;
}

QString RunningSum::text() const
{
    if (!value_.computed() || !read_)
        return {};
    const Cents value = value_.value();
    return forms::Rset(value == 0 ? forms::formatAmount(0) : forms::formatRunningSum(value));
}

} // namespace reports
