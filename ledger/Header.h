#pragma once

#include "ledger/LineList.h"

#include <QDate>
#include <array>
#include <string_view>
#include <vector>

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

// Finds the first header block in a walk over the lines, handed to it one by
// one in order.
class Scan {
public:
    // False once the block is whole: no later line changes it.
    bool add(std::size_t index, std::string_view line);

    // Where "<HEAD>" and the "</HEAD>" after it stand; LineList::npos when not met.
    std::size_t open() const { return open_; }
    std::size_t close() const { return close_; }
    // The n-th line after "<HEAD>" (1 or 2), as it is.
    std::string_view after(std::size_t n) const { return after_[n - 1]; }
    // Reads the block's dates into `year`, by the rules of read().
    void readDates(FiscalYear &year) const;

private:
    std::size_t open_ = LineList::npos;
    std::size_t close_ = LineList::npos;
    std::array<std::string_view, 2> after_{};
    std::vector<std::string_view> block_; // the lines between the markers that carry data, three at most
};

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
