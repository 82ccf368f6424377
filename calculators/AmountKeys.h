#pragma once

#include <QChar>

// The keys of the calculators' amount fields: numbers are typed with digits
// and the decimal comma only, and Enter starts the calculation.
namespace amountkeys {

enum class Action {
    Calculate, // Enter: run the calculation; the key itself goes nowhere
    Keep,      // a digit, the comma or backspace: the field takes it
    Discard,   // anything else typed, the full stop included
};

Action classify(QChar typed);

} // namespace amountkeys
