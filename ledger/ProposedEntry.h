#pragma once

#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <vector>

// An entry the program drafts for the user to look at and post (the VAT
// settlement, a supplier's e-invoice): lines of one date, label, journal and
// voucher, each an account with its debit or its credit.
struct ProposedLine {
    QString account;
    Cents debit = 0;
    Cents credit = 0;
    bool operator==(const ProposedLine &) const = default;
};

struct ProposedEntry {
    QDate date;
    QString label;
    QString journal;
    std::vector<ProposedLine> lines;
    QString voucher = {};
};

// A line's debit or credit as a month grid cell: "0.00" right-aligned, and
// an empty cell for no amount.
inline QString amountCell(Cents value)
{
    return value == 0 ? QString() : forms::Rset(forms::formatAmount(value));
}
