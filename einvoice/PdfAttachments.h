#pragma once

#include <QByteArray>
#include <QString>

// The invoice XML a Factur-X PDF carries, found among its embedded files by
// name ("factur-x.xml", "zugferd-invoice.xml" or "xrechnung.xml"), wherever
// it stands among them. The only place that knows poppler.
namespace einvoice {

struct PdfAttachment {
    QByteArray xml;
    QString error; // French, when there is no invoice attachment
};

PdfAttachment invoiceAttachment(const QByteArray &pdf, qint64 sizeLimit);

} // namespace einvoice
