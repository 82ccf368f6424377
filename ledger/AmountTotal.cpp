#include "ledger/AmountTotal.h"

void AmountTotal::add(Cents amount)
{
    // Both sides lie within the reader's range, so the sum itself cannot
    // overflow; only its range is checked.
    if (!computed_ || amount > forms::kMaxCents || amount < -forms::kMaxCents) {
        computed_ = false;
        return;
    }
    const Cents sum = value_ + amount;
    if (sum > forms::kMaxCents || sum < -forms::kMaxCents)
        computed_ = false;
    else
        value_ = sum;
}

void AmountTotal::add(const AmountTotal &other)
{
    if (!other.computed_)
        computed_ = false;
    add(other.value_);
}

void AmountTotal::subtract(const AmountTotal &other)
{
    if (!other.computed_)
        computed_ = false;
    add(-other.value_);
}

QString AmountTotal::text() const
{
    return computed_ ? forms::formatAmount(value_) : QString();
}

namespace forms {

QString totalTooLarge()
{
    return QStringLiteral("Un total dépasse 999999999999999,99 : il ne peut pas être calculé.");
}

} // namespace forms
