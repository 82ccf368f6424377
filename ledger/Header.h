#pragma once

#include "ledger/LineList.h"
#include "ledger/Validations.h"

#include <QDate>
#include <array>
#include <string_view>
#include <vector>

// The header block at the top of a ledger file: "<HEAD>", the start, end and
// closing dates of the fiscal year, once validated the dossier's identity
// ("Dossier <id> <n>", n the records made before it), the validations of its
// entries (one line each), "</HEAD>". A reader that knows only the three
// dates passes over the lines after them.
struct FiscalYear {
    QDate start;
    QDate end;
    QDate closing;
    Validations validations{};
    // Given at the first validation, so that the register of validations
    // kept beside the reference files knows the dossier: 32 hexadecimal
    // digits, empty before. The records from `chainedFrom` on are chained.
    std::string dossierId{};
    std::size_t chainedFrom = 0;

    // The last day whose entries are final: the last day validated up to,
    // or the closing date once the year is closed (a closing date after its
    // start), the later of the two; none while nothing is final.
    QDate finalUntil() const;
    // The first chained record; none (the largest index) without an identity.
    std::size_t chainStart() const { return dossierId.empty() ? std::size_t(-1) : chainedFrom; }
};

namespace header {

// The lines of the block.
inline constexpr std::size_t kLineCount = 5;

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
    // Reads the block's dates and validations into `year`, by the rules of read().
    void readYear(FiscalYear &year) const;

private:
    std::size_t open_ = LineList::npos;
    std::size_t close_ = LineList::npos;
    std::array<std::string_view, 2> after_{};
    std::vector<std::string_view> block_; // the lines between the markers that carry data, three at most
    std::vector<std::string_view> records_; // the validation records between the markers
    std::string_view identity_;             // the "Dossier" line, when there is one
};

// Reads the dates of the first "<HEAD>" block into `year`. The block counts
// only when "</HEAD>" stands more than two lines after "<HEAD>", lines of five
// characters or fewer not counted (the loading drops them). Dates are read
// in the order start, end, closing; the closing date takes the start date as
// soon as that one is read; an invalid date ends the reading there, and the
// dates not reached keep their values. The validations are those the block
// records after the dates (none without a block): they belong to the file.
// A line of the entry form in the block is a month's line, not a date.
void read(const LineList &lines, FiscalYear &year);

// Removes the first block (from "<HEAD>" through the next "</HEAD>"; without
// a closing marker, "<HEAD>" and the dates right after it) and puts the five
// header lines back at the top, the validation records between the closing
// date and "</HEAD>". The month lines the old block held follow the new one.
void write(LineList &lines, const FiscalYear &year);

} // namespace header
