#pragma once

#include "ledger/TextForms.h"

#include <QDate>
#include <QString>
#include <vector>

// A supplier's electronic invoice as its file says it (EN 16931, read from
// CII or UBL): what the booking needs and what the window shows. Amounts are
// in the invoice's currency, in cents; rates in thousandths of a percent
// (20 % is 20000, 5,5 % is 5500) so that every rate of the returns is exact.
namespace einvoice {

enum class Syntax { Cii, Ubl };

struct Seller {
    QString name;
    QString siren;     // legal registration, scheme 0002
    QString vatNumber; // "FR11123456782"
};

struct VatGroup {
    Cents basis = 0;
    qint64 rate = 0; // thousandths of a percent
    Cents tax = 0;
    QString category; // S, Z, E, AE, K, G, O, L, M
};

struct Totals {
    Cents net = 0;   // the total without VAT, the basis of the breakdown
    Cents vat = 0;   // in the invoice's currency
    Cents grand = 0; // with VAT
    Cents prepaid = 0;
    Cents due = 0;
};

struct Line {
    QString name;
    QString quantity; // as written, shown only
    Cents net = 0;
};

struct Invoice {
    Syntax syntax = Syntax::Cii;
    QString number;
    QString typeCode; // 380, 381...
    bool creditNote = false;
    QDate issueDate;
    QDate dueDate; // invalid when none is given
    QString currency;
    Seller seller;
    std::vector<VatGroup> vatGroups;
    Totals totals;
    std::vector<Line> lines;
};

// "Facture" or "Avoir".
QString kindText(const Invoice &invoice);
// "20", "5,5": a rate as the French write it.
QString rateText(qint64 rate);
// The invoice as the window shows it: supplier, number and dates, the lines,
// the VAT by rate, the totals.
QString invoiceText(const Invoice &invoice);

} // namespace einvoice
