#pragma once

#include "bank/Statement.h"

#include <QString>
#include <string_view>

// The French banks' statement records of 120 characters ("CFONB 120"): "01"
// the old balance, "04" a movement, "05" a complement of the movement before
// it, "07" the new balance. Positions below are counted from 1, as the
// banks' documents count them.
namespace bank::cfonb {

// Whether the bytes look like such records: the first one is an "01" record
// of 120 characters, a line end or not after each.
bool looksLike(std::string_view bytes);

// Reads the records into `out`; the French reason the file cannot be read
// when one is damaged, or when a day's statement does not run from its "01"
// to its "07" with the old balance plus the movements giving the new one
// (empty on success, `out` then filled).
QString read(std::string_view bytes, Statement &out);

} // namespace bank::cfonb
