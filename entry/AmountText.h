#pragma once

#include <QString>

namespace amounttext {

// The stored form of an amount typed in the debit or credit field: a "." is
// taken for the decimal comma, the value is written "0.00" with a comma and
// right-aligned for the grid. A text that is not a number gives an empty
// amount, as does an empty field.
QString normalise(const QString &typed);

} // namespace amounttext
