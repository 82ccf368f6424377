#pragma once

#include "einvoice/EInvoice.h"

#include <QByteArray>
#include <QString>
#include <optional>

// An invoice file of any of the three formats, told from its content: a
// Factur-X PDF (its attached XML), a CII XML or a UBL XML.
namespace einvoice {

// No invoice, not even a PDF carrying a few pages and the XML, comes near it.
inline constexpr qint64 kMaxInvoiceFileSize = qint64(32) << 20;

struct FileReading {
    std::optional<Invoice> invoice;
    QString error; // French, what is wrong with the file
};

FileReading readInvoiceFile(const QString &path);
FileReading readInvoiceBytes(const QByteArray &bytes);

} // namespace einvoice
