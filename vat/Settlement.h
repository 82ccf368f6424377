#pragma once

#include "ledger/ProposedEntry.h"
#include "vat/VatReturn.h"

#include <QStringList>

// The entry that settles a VAT return: it empties the VAT accounts of the
// period into the VAT due or the credit carried to the next return.
namespace vat {

inline const QString kVatDueAccount = QStringLiteral("445510");        // "TVA à décaisser"
inline const QString kCreditCarriedAccount = QStringLiteral("445670"); // "Crédit de TVA à reporter"

// The journal the entry is proposed in: "OD" when the journals hold it,
// otherwise none, and the user picks one.
QString proposedJournal(const QStringList &journals);

// The settling entry, dated the period's last day, labelled "TVA <période>":
// each 4457 account debited by its balance, each 4456 account (44567
// included) credited by its balance, then 445510 credited by line 7 or
// 445670 debited by line 8. A balance of the other sign goes to the other
// side; the lines of one account make one, on the side of their net
// amount (the credit carried in and the credit carried on, both on 445670);
// a nil amount gives no line. Without figures, no lines.
ProposedEntry settlingEntry(const VatReturn &vatReturn, const QString &journal);

} // namespace vat
