#pragma once

#include "bank/Statement.h"

#include <QString>
#include <QStringList>
#include <map>
#include <string_view>

// Statements as French banks write them in CSV: a few lines of account
// information, then a header row and the table; ";", "," or TAB between the
// fields, fields in double quotes or not, dates "JJ/MM/AAAA", amounts with a
// decimal comma, either one signed "Montant" column or "Débit" and "Crédit".
namespace bank::csv {

// The table's columns, counted from 0; -1 for a column the table lacks.
struct Columns {
    int date = -1;
    int label = -1;
    int amount = -1; // signed, money in positive
    int debit = -1;  // money out, with or without its minus sign
    int credit = -1;
    bool operator==(const Columns &) const = default;
    // A date, a label, and one amount column or both the debit and credit ones.
    bool complete() const;
};

// A bank's file layout: what tells its files apart (the separator, the number
// of columns and the titles of the header row) and what the user sees to
// choose the columns when their titles say nothing known.
struct Layout {
    QString signature;
    QStringList titles; // one per column: the header row's, or "Colonne N"
    QStringList sample; // the first row of the table
};

// The choices of columns the user made, by layout signature.
using ColumnChoices = std::map<QString, Columns>;

enum class Outcome { Read, ColumnsUnknown, Damaged };

struct Reading {
    Outcome outcome = Outcome::Damaged;
    QString problem; // French, when damaged
    Layout layout;
};

// Reads the file's table into `out`, with the columns its titles name or else
// those chosen for its layout. Every row under the titles is read exactly (as
// many fields as the titles, a date, an amount), or is blank, or a total or
// balance; any other row refuses the file, named in `problem`.
Reading read(std::string_view bytes, const ColumnChoices &choices, Statement &out);

} // namespace bank::csv
