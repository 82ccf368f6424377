#pragma once

#include "einvoice/EInvoice.h"

#include <QStringList>

// The checks an invoice passes before any entry is proposed for it: the
// totals agree with each other and with the VAT breakdown, every group's tax
// is its basis at its rate, every category is one of the model's.
namespace einvoice {

// 100 %, in thousandths of a percent: no VAT rate is above it.
inline constexpr qint64 kMaxRate = 100'000;

// Each broken rule in French, naming the rule; empty when the invoice passes.
QStringList checkInvoice(const Invoice &invoice);

// `amount` × `numerator` / `denominator`, rounded to the unit half away from
// zero; a result beyond 64 bits is held at the largest value of its sign.
qint64 scaled(qint64 amount, qint64 numerator, qint64 denominator);

// The tax of a basis at a rate in thousandths of a percent, to the cent.
Cents taxAt(Cents basis, qint64 rate);

} // namespace einvoice
