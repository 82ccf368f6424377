#pragma once

#include "ledger/AmountTotal.h"

#include <QString>
#include <string_view>

namespace reports {

// A grid cell that amounts are added to one after the other (general journal
// and balance). Its text is either empty, the sum in the "#.00" form, or, when
// an addition brings the sum to exactly zero, the amount text of that entry
// unchanged; every later addition starts from the number that text reads as.
// The cell keeps that number exactly, so the text only needs building once.
class RunningSum {
public:
    // Adds an amount text as the file holds it. A blank text changes nothing
    // but the form of a non-zero sum; a text that is not a number counts as
    // zero and never lands in the cell.
    void add(std::string_view amount);

    bool isEmpty() const { return form_ == Form::Empty; }
    Cents value() const { return value_.value(); }
    // False once the sum went past what the amount reader accepts: the cell
    // then stays empty and the statement cannot be computed.
    bool computed() const { return value_.computed(); }
    // The cell's text: the sum right-aligned, or the zeroing amount as stored.
    QString text() const;

private:
    enum class Form { Empty, Sum, Amount };
    Form form_ = Form::Empty;
    AmountTotal value_;
    std::string_view amount_; // the zeroing amount, when the form is Amount
};

} // namespace reports
