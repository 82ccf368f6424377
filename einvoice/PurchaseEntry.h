#pragma once

#include "einvoice/EInvoice.h"
#include "einvoice/SupplierRules.h"
#include "ledger/ProposedEntry.h"

#include <QString>
#include <optional>

class LineList;
struct ReferenceData;

// The purchase entry an invoice proposes, before the checks any posting goes
// through (fiscal year, validated period, journal, chart), which the
// document adds.
namespace einvoice {

inline const QString kDeductibleVat = QStringLiteral("445660");
inline const QString kFixedAssetVat = QStringLiteral("445620");
inline const QString kReverseChargeVat = QStringLiteral("445200");

struct BookingSettings {
    qint64 reverseChargeRate = 20'000; // thousandths of a percent
    // Euros for one unit of the invoice's currency, in millionths; none for
    // an invoice in euros.
    std::optional<qint64> exchangeRate;
};

// The setting "tva-autoliquidation" of Tavelin.cfg, as the window and the
// command line read it: the rate self-assessed on reverse-charge purchases.
inline const QString kReverseChargeSetting = QStringLiteral("tva-autoliquidation");

// A rate typed by the user ("1,0823" or "1.0823") in millionths; none when it
// is no positive number.
std::optional<qint64> parseExchangeRate(const QString &text);

struct Accounts {
    QString journal;
    QString supplier;
    std::vector<ChargeShare> charges;
};

// The supplier's rule when there is one, otherwise the entry guides'
// purchase journal, supplier and purchase accounts.
Accounts accountsFor(const Seller &seller, const SupplierRules &rules, const ReferenceData &ref);

struct Proposal {
    ProposedEntry entry;
    QString refusal; // French; empty when nothing of the invoice's own stands in the way
};

// The entry of one invoice, dated on its issue date, balanced to the cent:
// the supplier credited with the grand total, the charge accounts debited
// with the rest, the deductible VAT debited (on 445620 for the share of a
// fixed asset, class 2), the reverse charge self-assessed on 445660 and
// 445200; a credit note reverses every line. Refused: an invoice its checks
// refuse, one in another currency than the euro without a rate, one that
// `lines` already holds (same supplier account, voucher and label).
Proposal proposeEntry(const Invoice &invoice, const Accounts &accounts, const BookingSettings &settings,
                      const LineList &lines);

// Whether the lines hold an entry line of this supplier account with the
// entry's voucher and label.
bool alreadyBooked(const LineList &lines, const ProposedEntry &entry, const QString &supplierAccount);

} // namespace einvoice
