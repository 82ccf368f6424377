#pragma once

#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <array>
#include <vector>

class CodeList;
class LineList;
class TextGrid;

// The aged balance ("Balance âgée..."): who still owes what, and since when.
namespace lettering {

// The ages of an open line at the date asked, in days: 0 to 30, 31 to 60,
// 61 to 90, more than 90.
inline constexpr int kAgeBuckets = 4;

struct AgedRow {
    QString account;
    QString label;
    std::array<Cents, kAgeBuckets> buckets{};
    Cents total = 0;
    bool operator==(const AgedRow &) const = default;
};

struct AgedBalance {
    std::vector<AgedRow> rows; // by account code
    AgedRow total;             // "Total", every account's sums
};

// The bucket of a line dated `date` at `at` (not before it).
int ageBucket(QDate date, QDate at);

// The title of a bucket: "0 à 30 jours"... "Plus de 90 jours".
QString ageCaption(int bucket);

// For each account beginning with `prefix`, the lines open at `at`: dated
// on or before it and not lettered, or lettered in a group completed after it
// (its lettering date, the day of its latest line); each by its age at that
// date. Debit lines count positive, open
// credits (payments not yet applied) negative. The labels come from the
// chart. Accounts without an open line have no row.
AgedBalance agedBalance(const LineList &lines, const CodeList &chart, QDate at, const QString &prefix);

// The column titles, then one row per account and the total row, as the
// window shows it and the printer prints it.
TextGrid agedBalanceGrid(const AgedBalance &balance);

} // namespace lettering
