#pragma once

#include "ledger/TextGrid.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <variant>
#include <vector>

// The month-by-month tables of the loan and savings calculators: what a
// calculation gives, and the grid the windows show it in.

// What the calculator window's fields hold when the calculation starts: the
// amount (loan capital or initial deposit), the annual rate in percent, the
// duration in months and the monthly payment or deposit, as typed.
struct ScheduleFields {
    QString amount;
    QString rate;
    int duration = 24;
    QString payment;
};

// One month: its date text and the three amounts of columns 2 to 4.
struct ScheduleRow {
    QString date;
    std::array<double, 3> amounts{};
};

struct Schedule {
    std::vector<ScheduleRow> rows;              // months 1, 2, 3...
    std::optional<std::array<double, 3>> totals; // "Totaux", one empty row below the last month

    // Grid row of the totals (row 0 holds the titles).
    int totalsRow() const { return int(rows.size()) + 2; }
    // False when a figure grew beyond what a double holds.
    bool finite() const;
};

// What a calculation leaves in the window: the monthly payment or deposit
// field, the duration field and the table.
struct Calculation {
    double payment = 0;
    int duration = 0;
    Schedule schedule;
};

// The fields do not call for a calculation (an empty amount or rate): nothing
// happens and nothing is said.
struct NotCalled {};

// A calculation refused or failed: the French message to show; nothing changes.
struct Refusal {
    QString message;
};

using CalculationOutcome = std::variant<NotCalled, Refusal, Calculation>;

// Reads a number field into `value` (0 for an empty field); a text that is no
// number gives the refusal that names it, and leaves `value` as it was.
std::optional<Refusal> readNumber(const QString &text, double &value);

namespace schedulegrid {

// The rows the windows' grids always have, title row included.
constexpr int standardRows = 296;

// Column widths in pixels of the five columns.
constexpr std::array<int, 5> columnWidths{50, 95, 105, 105, 105};

// An empty grid of the standard size whose row 0 holds the five titles.
TextGrid make(const QStringList &titles);

// Empties every month row, then writes the schedule (month number, date, the
// three amounts as "0.00", and the totals row); the grid grows when the
// schedule needs more rows than it has.
void fill(TextGrid &grid, const Schedule &schedule);

// The last grid row a schedule occupies: its totals row, or 0 when there is
// no table.
int lastRow(const Schedule &schedule);

} // namespace schedulegrid
