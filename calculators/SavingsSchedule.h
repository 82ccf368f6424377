#pragma once

#include "calculators/Schedule.h"

#include <QDate>

// The savings calculator: an initial deposit and a monthly deposit growing at
// an annual rate, month by month (capital at the end of the month, interest
// earned, deposit).
namespace savings {

// The longest duration shown, in months: a hundred years of savings is more
// than anyone plans, and a table of millions of rows would exhaust memory.
constexpr int maxMonths = 1200;

// The calculation of the savings window with its fields as given and `today`
// as the current date. An empty initial or monthly deposit counts as 0.
CalculationOutcome calculate(const ScheduleFields &fields, QDate today);

} // namespace savings
