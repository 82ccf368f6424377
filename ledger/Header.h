#pragma once

#include "ledger/LineList.h"
#include "ledger/Validations.h"

#include <QDate>

// The header block at the top of a ledger file: "<HEAD>", the start, end and
// closing dates of the fiscal year, the validations of its entries (one line
// each), "</HEAD>".
struct FiscalYear {
    QDate debut;
    QDate fin;
    QDate cloture;
    Validations validations{};

    // The last day whose entries are final: the last day validated up to,
    // or the closing date once the year is closed (a closing date after its
    // start), the later of the two; none while nothing is final.
    QDate finalUntil() const;
};

namespace header {

// The lines of the block.
inline constexpr std::size_t kLineCount = 5;

// Reads the dates of the first "<HEAD>" block into `year`. The block counts
// only when "</HEAD>" stands more than two lines after "<HEAD>", lines of five
// characters or fewer not counted (the loading drops them). Dates are read
// in the order start, end, closing; the closing date takes the start date as
// soon as that one is read; an invalid date ends the reading there, and the
// dates not reached keep their values. The validations are those the block
// records after the dates (none without a block): they belong to the file.
void read(const LineList &lines, FiscalYear &year);

// Removes the first block (from "<HEAD>" through the next "</HEAD>"; without
// a closing marker, "<HEAD>" and the dates right after it) and puts the five
// header lines back at the top, the validation records between the closing
// date and "</HEAD>".
void write(LineList &lines, const FiscalYear &year);

} // namespace header
