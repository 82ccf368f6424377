#pragma once

#include "ledger/AmountTotal.h"
#include "yearend/BookEntries.h"

#include <vector>

// The écritures of the books: the groups of lines that balance together, as
// the FEC numbers them and the checks weigh them.
//
// The lines of the same date, journal and voucher form one écriture. Lines
// without a voucher form an écriture with the lines without a voucher that
// follow them in the month grid with the same date and journal, up to the
// first point where their debits equal their credits. Écritures are ordered
// by date, then journal code, then their first line's place in the month
// grid; the lines of an écriture stay in grid order.
namespace yearend {

struct EntryGroups {
    std::vector<std::size_t> lines;  // indexes of entries, écriture after écriture
    std::vector<std::size_t> starts; // where each écriture begins in `lines`, and one past the last

    std::size_t count() const { return starts.empty() ? 0 : starts.size() - 1; }
    // The lines of écriture n (from 0), in grid order.
    std::size_t first(std::size_t n) const { return starts[n]; }
    std::size_t end(std::size_t n) const { return starts[n + 1]; }
};

// The écritures of the chosen entries (indexes into `entries` in increasing
// order, each a booked line: a date and an amount).
EntryGroups groupEntries(const std::vector<BookEntry> &entries, const std::vector<std::size_t> &chosen);

// The debits and the credits of écriture n.
struct EntryGroupTotals {
    AmountTotal debit;
    AmountTotal credit;
    bool balanced() const { return debit.computed() && credit.computed() && debit.value() == credit.value(); }
};
EntryGroupTotals totalsOf(const std::vector<BookEntry> &entries, const EntryGroups &entryGroups, std::size_t n);

} // namespace yearend
