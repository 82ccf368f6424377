#pragma once

#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

// A bank statement as the bank's file gives it, whatever its format: the
// movements of the account and what the file says of its period and balance.
namespace bank {

enum class StatementFormat { Ofx, Cfonb, Csv };

struct StatementLine {
    QDate date;
    Cents amount = 0; // money in is positive
    QString label;
    QString reference;
    bool operator==(const StatementLine &) const = default;
};

struct Statement {
    StatementFormat format = StatementFormat::Csv;
    std::vector<StatementLine> lines; // in the file's order
    // What the file states, when it states it.
    std::optional<QDate> start;
    std::optional<QDate> end;
    std::optional<Cents> openingBalance; // the balance before its first line
    std::optional<Cents> closingBalance;
    bool operator==(const Statement &) const = default;

    // The period the file states, or else from its first to its last line's
    // date; invalid dates for a statement without lines and without period.
    QDate periodStart() const;
    QDate periodEnd() const;
};

} // namespace bank
