#pragma once

#include "calculators/Schedule.h"

#include <QDate>

// The loan calculator: the constant monthly payment of an amortising loan and
// its repayment schedule (capital repaid, interest, capital still owed).
namespace loan {

// The most monthly rows a schedule holds; a loan not repaid by then shows
// what is still owed in its last row.
constexpr int maxMonths = 292;

// The calculation of the loan window with its fields as given and `today` as
// the current date. The duration is only used when the payment is empty; a
// given payment yields the duration it takes to repay the loan.
CalculationOutcome calculate(const ScheduleFields &fields, QDate today);

} // namespace loan
