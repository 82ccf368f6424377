#pragma once

#include "einvoice/EInvoice.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The one reader of the invoice XML of both syntaxes: UN/CEFACT Cross
// Industry Invoice (the XML of Factur-X) and UBL 2.1 Invoice or CreditNote,
// told apart by the root element. Qt's stream reader resolves no external
// entity; a document type declaration is refused altogether.
namespace einvoice {

struct XmlReading {
    std::optional<Invoice> invoice;
    QString error; // French, when there is no invoice: what is wrong with the XML
};

XmlReading readInvoiceXml(const QByteArray &xml);

// A decimal of the XML ("104.90", "-5", "20.125") scaled by 10^decimals,
// further digits rounded half away from zero; nothing for anything else or a
// number of more than fifteen integer digits (or 18 digits in all).
std::optional<qint64> parseDecimal(QStringView text, int decimals);

} // namespace einvoice
