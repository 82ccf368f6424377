#pragma once

#include "ledger/LineList.h"

#include <QDate>

// The header block at the top of a ledger file: "<HEAD>", the start, end and
// closing dates of the fiscal year, "</HEAD>".
struct FiscalYear {
    QDate debut;
    QDate fin;
    QDate cloture;

    // The last day whose entries are final: the closing date once the year
    // is closed (a closing date after its start); none while it is open.
    QDate finalUntil() const { return cloture > debut ? cloture : QDate(); }
};

namespace header {

// The lines of the block.
inline constexpr std::size_t kLineCount = 5;

// Reads the dates of the first "<HEAD>" block into `year`. The block counts
// only when "</HEAD>" stands more than two lines after "<HEAD>", lines of five
// characters or fewer not counted (the loading drops them). Dates are read
// in the order start, end, closing; the closing date takes the start date as
// soon as that one is read; an invalid date ends the reading there, and the
// dates not reached keep their values.
void read(const LineList &lines, FiscalYear &year);

// Removes the first block (from "<HEAD>" through the next "</HEAD>"; without
// a closing marker, "<HEAD>" and the dates right after it) and puts the five
// header lines back at the top.
void write(LineList &lines, const FiscalYear &year);

} // namespace header
