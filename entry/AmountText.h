#pragma once

#include <QString>
#include <optional>

namespace amounttext {

// The stored form of an amount typed in the debit or credit field, as a French
// user types it: blanks (space, no-break space, narrow no-break space) between
// digit groups and a trailing "€" are dropped, a "." is taken for the decimal
// comma; the value is written "0.00" with a comma and right-aligned for the
// grid. An empty field gives an empty amount; a text that still does not read
// as a number gives nothing.
std::optional<QString> normalise(const QString &typed);

} // namespace amounttext
