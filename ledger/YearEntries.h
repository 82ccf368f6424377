#pragma once

#include "ledger/Header.h"
#include "ledger/LineList.h"

#include <QDate>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The entries of the year: an entry whose date is a date "dd/mm/yyyy" inside
// the fiscal year, stored under the month key of that date. Every reader of
// the books (the statements, the closing, the fingerprints, the FEC, the
// verifier) counts exactly these; what breaks the rule is refused where it
// would come in (import, keying) and listed where it already stands, so that
// no arrangement of lines can make two readers count different entries.
namespace yearentries {

// A date cell as the entry line stores it: exactly "dd/mm/yyyy", a date of
// the calendar. Invalid otherwise.
QDate storedDate(std::string_view cell);

enum class Fault {
    None,
    NoDate,      // the date cell is empty
    NotADate,    // not exactly "dd/mm/yyyy", or no day of the calendar
    OutsideYear, // before the year's first day or after its last
    Final,       // on or before the last day whose entries are final
    OtherMonth,  // stored under another month's key
};

// What keeps an entry of that date from coming in now (an import, a keyed
// entry): a date that is a date, inside the year, after its final period.
// A year without dates (no header) judges the date alone.
Fault newEntryFault(std::string_view dateCell, const FiscalYear &year);
// The same for a date already read (the entry line, the invoices, the
// entries the program proposes): an invalid one is NotADate.
Fault newEntryFault(QDate date, const FiscalYear &year);

// What keeps an entry already stored under `key` out of the year's entries.
// The final period is no fault here: its entries are the validated ones.
Fault storedEntryFault(std::string_view dateCell, std::string_view key, const FiscalYear &year);

// The reason told to the user, beginning with a small letter and ending with a
// full stop: "la date « 15-01-2024 » n'est pas une date (JJ/MM/AAAA)."
QString describe(Fault fault, std::string_view dateCell, std::string_view key, const FiscalYear &year);

// A line of a dossier that breaks the rule, or that the month grid and the
// statements would read differently.
struct Stray {
    std::string key;       // the month key it is stored under
    int row = 0;           // the entry's row in that month, from 1
    std::size_t line = 0;  // its index in the list
    QString reason;
};

// "Mars 2002, ligne 3 : la date … ." ("Mois « 202513 », ligne 1 : …" for a
// key that is no month).
QString describe(const Stray &stray);

// Reads the lines one by one, in the order of the file, and tells of each
// stray line as it comes.
class StrayCheck {
public:
    explicit StrayCheck(const FiscalYear &year) : year_(year) {}

    // Tells `take` of the line at `index` when it strays: a date line whose
    // entry is not of the year, a line of an entry that does not follow its
    // date line (the statements pass over it while the month grid reads it),
    // a cell longer than the format's 254 characters (the statements count
    // it whole, the grid cut).
    template <class Take>
    void add(std::size_t index, std::string_view line, Take &&take)
    {
        if (const std::optional<Stray> stray = check(index, line))
            take(*stray);
    }

private:
    std::optional<Stray> check(std::size_t index, std::string_view line);

    const FiscalYear &year_;
    std::string month_; // the key of the last date line
    std::map<std::string, int, std::less<>> rows_; // date lines met per key
    int *monthRows_ = nullptr;                      // those of `month_`
};

// Every stray line of the list, in its order.
std::vector<Stray> strayLines(const LineList &lines, const FiscalYear &year);

// The first `shown` strays one a line, then how many more there are.
QString listStrays(const std::vector<Stray> &strays, std::size_t shown);

} // namespace yearentries
