#pragma once

#include "ledger/AmountTotal.h"

#include <QString>
#include <string_view>

namespace reports {

// A grid cell that amounts are added to one after the other (general journal
// and balance). Its text is either empty (no amount read), the sum in the
// "#.00" form, or, for a sum of exactly zero, "0,00" as the program writes a
// nil amount everywhere else; the sum goes on from zero. The cell keeps the
// sum exactly, so the text only needs building once.
class RunningSum {
public:
    // Adds an amount text as the file holds it. A blank text changes nothing
    // but the form of a non-zero sum; a text that is not a number counts as
    // zero and never lands in the cell.
    void add(std::string_view amount);

    bool isEmpty() const { return !read_; }
    Cents value() const { return value_.value(); }
    // False once the sum went past what the amount reader accepts: the cell
    // then stays empty and the statement cannot be computed.
    bool computed() const { return value_.computed(); }
    // The cell's text: the sum right-aligned.
    QString text() const;

private:
    bool read_ = false; // whether an amount was read
    AmountTotal value_;
};

} // namespace reports
