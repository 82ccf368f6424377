#pragma once

#include "ledger/TextForms.h"
#include "ledger/MonthLines.h"

#include <QString>
#include <optional>
#include <string_view>

namespace reports {

// The amount cells of a statement's entries that are not numbers. The
// statements count them as zero, as the running sums do, and tell the user
// so: figures that quietly miss an amount would pass for right.
class UnreadAmounts {
public:
    // The amount of a cell as the file holds it; nothing for a blank cell and
    // for a text that is not a number, which is remembered.
    std::optional<Cents> read(const monthlines::Entry &entry, std::string_view amount);
    // The message for the user: the first such amount, its entry's date and
    // account, and how many there are; empty when there is none.
    QString message() const;

private:
    int count_ = 0;
    std::string_view amount_;
    std::string_view date_;
    std::string_view account_;
};

} // namespace reports
