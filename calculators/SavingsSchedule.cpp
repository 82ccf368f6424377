#include "calculators/SavingsSchedule.h"

#include "calculators/DueDate.h"
#include "calculators/NumberText.h"

namespace savings {
namespace {

Schedule growth(double initial, double rate, int months, double deposit, QDate today)
{
    Schedule schedule;
    std::array<double, 3> totals{}; // final capital, interest, deposits
    double capital = initial;
    DueDate date(today);
    date.advance();
    for (int month = 1; month <= months; ++month) {
        // Interest on the capital before this month's deposit.
        const double interest = capital * rate * (1.0 / 1200);
        capital = capital + deposit + interest;
        totals[0] = capital;
        totals[1] += interest;
        totals[2] += deposit;
        schedule.rows.push_back({date.text(), {capital, interest, deposit}});
        date.advance();
    }
    schedule.totals = totals;
    return schedule;
}

} // namespace

CalculationOutcome calculate(const ScheduleFields &fields, QDate today)
{
    double initial = 0;
    double rate = 0;
    double deposit = 0;
    if (std::optional<Refusal> refusal = readNumber(fields.amount, initial))
        return *refusal;
    if (fields.rate.isEmpty())
        return NotCalled{};
    if (std::optional<Refusal> refusal = readNumber(fields.rate, rate))
        return *refusal;
    if (fields.duration == 0)
        return NotCalled{};
    if (fields.duration > maxMonths)
        return Refusal{QStringLiteral("La durée ne peut dépasser %1 mois").arg(maxMonths)};
    if (std::optional<Refusal> refusal = readNumber(fields.payment, deposit))
        return *refusal;

    Calculation calculation{deposit, fields.duration, {}};
    if (deposit <= 0)
        return calculation;
    calculation.schedule = growth(initial, rate, fields.duration, deposit, today);
    if (!calculation.schedule.finite())
        return Refusal{numbers::overflowMessage()};
    return calculation;
}

} // namespace savings
