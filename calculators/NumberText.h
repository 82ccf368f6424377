#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The number forms of the calculators: what the user types, with the decimal
// comma, and what the displays and grids show of a double-precision result.
namespace numbers {

// A typed number: optional blanks, an optional sign, digits with at most one
// decimal comma (at least one digit on either side of it), an optional
// exponent "E" or "e" with optional sign and digits, optional blanks. No value
// for anything else, nor for a number too large for a double.
std::optional<double> parse(QStringView text);

// The shortest general form, as a pocket calculator shows a result: at most
// 15 significant digits, no trailing zeros, decimal comma; scientific form
// ("1,5E-7", "1E15") below 0,0001 and from 10^15 on.
QString general(double value);

// The "0.00" form of an amount: two decimals, decimal comma, halves rounded
// away from zero. Figures of more than 18 digits before the comma are shown
// in the general form instead.
QString fixed2(double value);

// The French messages of the calculators when a text or a result cannot be used.
QString invalidNumberMessage(const QString &text); // "Nombre invalide : " + text
QString divisionByZeroMessage();
QString negativeRootMessage();
QString overflowMessage();

} // namespace numbers
