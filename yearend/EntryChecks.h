#pragma once

#include "ledger/ReferenceData.h"
#include "yearend/BookEntries.h"
#include "yearend/EntryGroups.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// The checks an entry must pass before it is validated or handed to a tax
// inspector: a date that is a date, an account of the chart, a journal of the
// journals, amounts that are numbers, a debit or a credit but not both, and
// écritures whose debits equal their credits.
namespace yearend {

// The entries a check looks at: those dated after `after` (from the first
// when it is invalid) up to `upTo`. An entry whose date is not a date is
// looked at when its month is one of those months.
struct Period {
    QDate after;
    QDate upTo;

    bool holds(const BookEntry &entry) const;
};

struct Problem {
    int month = 0; // yyyymm
    int row = 0;   // row of the month grid, from 1
    QString text;
    bool operator==(const Problem &) const = default;
};

// The lines of the books in the period: its entries with a date and an
// amount, in grid order.
std::vector<std::size_t> bookedLines(const std::vector<BookEntry> &entries, const Period &period);

// The problems of the period's entries, in grid order; `entryGroups` are those
// of its booked lines.
std::vector<Problem> checkEntries(const std::vector<BookEntry> &entries, const ReferenceData &ref, const Period &period,
                                  const EntryGroups &entryGroups);
// The same, the écritures made here.
std::vector<Problem> checkEntries(const std::vector<BookEntry> &entries, const ReferenceData &ref, const Period &period);

// "Mars 2002, ligne 3 : le compte 411999 n'existe pas dans le plan comptable."
QString describe(const Problem &problem);
// The problems one a line, at most `shown` of them, then how many more there are.
QString listProblems(const std::vector<Problem> &problems, int shown);
// How many problems a message box lists; the command line lists them all.
inline constexpr int kProblemsShown = 20;

} // namespace yearend
