#include "reports/RunningSum.h"

#include "ledger/Codec1252.h"

namespace reports {

void RunningSum::add(std::string_view amount)
{
    const std::optional<Cents> parsed = forms::parseAmount(amount);
    AmountTotal sum = value_;
    sum.add(parsed.value_or(0));
    if (!sum.computed()) {
        value_ = sum;
    } else if (sum.value() != 0) {
        form_ = Form::Sum;
        value_ = sum;
    } else if (parsed) {
        form_ = Form::Amount;
        value_ = AmountTotal(*parsed);
        amount_ = amount;
    }
}

QString RunningSum::text() const
{
    if (!value_.computed())
        return {};
    switch (form_) {
    case Form::Sum: return forms::Rset(forms::formatRunningSum(value_.value()));
    case Form::Amount: return cp1252::decode(amount_);
    case Form::Empty: break;
    }
    return {};
}

} // namespace reports
