#include "calculators/LoanSchedule.h"

#include "calculators/DueDate.h"
#include "calculators/NumberText.h"

#include <cmath>

namespace loan {
namespace {

// The balance at which the schedule ends: a rest this small is not worth
// another instalment.
constexpr double negligibleBalance = 0.7;

// Interest of one month on `capital` at the annual rate `rate` (percent).
double monthlyInterest(double capital, double rate)
{
    return capital * rate * (1.0 / 1200);
}

Schedule repayments(double capital, double rate, double payment, QDate today)
{
    Schedule schedule;
    std::array<double, 3> totals{};
    double balance = capital;
    DueDate date(today);
    date.advance();
    for (int month = 1;; ++month) {
        const double interest = monthlyInterest(balance, rate);
        // The last payment repays the whole rest.
        const double repaid = balance < payment ? balance : payment - interest;
        totals[0] += repaid;
        totals[1] += interest;
        balance -= repaid;
        schedule.rows.push_back({date.text(), {repaid, interest, balance}});
        date.advance();
        if (balance <= negligibleBalance || month == maxMonths)
            break;
    }
    totals[2] = totals[0] + totals[1];
    schedule.totals = totals;
    return schedule;
}

} // namespace

CalculationOutcome calculate(const ScheduleFields &fields, QDate today)
{
    double capital = 0;
    double rate = 0;
    if (fields.amount.isEmpty())
        return NotCalled{};
    if (std::optional<Refusal> refusal = readNumber(fields.amount, capital))
        return *refusal;
    if (fields.rate.isEmpty())
        return NotCalled{};
    if (std::optional<Refusal> refusal = readNumber(fields.rate, rate))
        return *refusal;
    if (rate < 1)
        return Refusal{QStringLiteral("Taux d'intérêt insuffisant")};

    double payment = 0;
    if (!fields.payment.isEmpty()) {
        if (std::optional<Refusal> refusal = readNumber(fields.payment, payment))
            return *refusal;
    } else {
        const double monthlyRate = rate * (1.0 / 1200);
        const double denominator = 1 - std::pow(1 + monthlyRate, -fields.duration);
        if (denominator == 0)
            return Refusal{numbers::divisionByZeroMessage()};
        payment = capital * monthlyRate / denominator;
    }
    // The first month's interest plus a little: less would never repay.
    const double minimum = monthlyInterest(capital, rate) + 1.1;
    if (!std::isfinite(payment) || !std::isfinite(minimum))
        return Refusal{numbers::overflowMessage()};
    if (payment < minimum)
        return Refusal{QStringLiteral("La mensualité doit être > ") + numbers::fixed2(minimum)};

    Calculation calculation{payment, fields.duration, {}};
    if (payment <= 0)
        return calculation;
    calculation.schedule = repayments(capital, rate, payment, today);
    if (!calculation.schedule.finite())
        return Refusal{numbers::overflowMessage()};
    calculation.duration = int(calculation.schedule.rows.size());
    return calculation;
}

} // namespace loan
