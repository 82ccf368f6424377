#pragma once

#include "ledger/TextForms.h"

#include <QString>

// A sum of amounts kept within what the amount reader accepts (15 integer
// digits). Amounts of that size added together soon leave it, and a figure
// written out of that range would read back as nothing at all: such a total
// cannot be computed, and says so instead of showing a wrong figure.
class AmountTotal {
public:
    AmountTotal() = default;
    explicit AmountTotal(Cents value) { add(value); }

    void add(Cents amount);
    void add(const AmountTotal &other);
    void subtract(const AmountTotal &other);

    bool computed() const { return computed_; }
    Cents value() const { return value_; }
    // "0.00", or an empty text when the total cannot be computed.
    QString text() const;

private:
    Cents value_ = 0;
    bool computed_ = true;
};

namespace forms {

// What the user is told when a total cannot be computed.
QString totalTooLarge();

} // namespace forms
