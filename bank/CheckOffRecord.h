#pragma once

#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <string>
#include <vector>

// Which statement line checked off which entry. A recurring charge (a card
// fee, a subscription) has the same amount every month: without this record,
// February's fee would be taken for January's entry, already checked off, and
// never keyed. The record is kept beside the dossier ("compta.jnl.pointages"),
// written while the session holds the dossier's lock, code page 1252, CR LF
// after each line:
//   account<TAB>entry date<TAB>entry label<TAB>amount<TAB>period start<TAB>period end<TAB>line date<TAB>line label
namespace bank {

// A statement line, as its statement gives it.
struct LineKey {
    QDate periodStart; // the statement's period
    QDate periodEnd;
    QDate date;
    QString label;
    bool operator==(const LineKey &) const = default;
};

struct CheckOff {
    QString account;
    QDate entryDate;
    QString entryLabel;
    Cents amount = 0;
    LineKey line;
    bool operator==(const CheckOff &) const = default;
};

QString checkOffRecordPath(const QString &dossier);

// Reads the record beside the dossier when there is one; the French message
// when it exists but cannot be read (empty otherwise).
QString loadCheckOffs(const QString &dossier, std::vector<CheckOff> &out);
// Replaces the record atomically, never through another user's link; the
// French message when that failed.
QString saveCheckOffs(const QString &dossier, const std::vector<CheckOff> &checkOffs);

} // namespace bank
