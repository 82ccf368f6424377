#include "einvoice/InvoiceFile.h"

#include "einvoice/InvoiceXml.h"
#include "einvoice/PdfAttachments.h"
#include "ledger/FileIO.h"

#include <QFileInfo>

namespace einvoice {
namespace {

QString tooLarge()
{
    return QStringLiteral("le fichier dépasse %1 Mo, ce qu'aucune facture ne fait").arg(kMaxInvoiceFileSize >> 20);
}

} // namespace

FileReading readInvoiceBytes(const QByteArray &bytes)
{
    if (bytes.size() > kMaxInvoiceFileSize)
        return {std::nullopt, tooLarge()};
    if (bytes.startsWith("%PDF-")) {
        const PdfAttachment attachment = invoiceAttachment(bytes, kMaxInvoiceFileSize);
        if (!attachment.error.isEmpty())
            return {std::nullopt, attachment.error};
        XmlReading xml = readInvoiceXml(attachment.xml);
        return {std::move(xml.invoice), xml.error.isEmpty() ? QString() : QStringLiteral("factur-x.xml : ") + xml.error};
    }
    if (bytes.trimmed().isEmpty())
        return {std::nullopt, QStringLiteral("le fichier est vide")};
    XmlReading xml = readInvoiceXml(bytes);
    return {std::move(xml.invoice), xml.error};
}

FileReading readInvoiceFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isFile() && info.size() > kMaxInvoiceFileSize)
        return {std::nullopt, tooLarge()};
    std::string bytes;
    if (const QString failed = fileio::readWhole(path, bytes); !failed.isEmpty())
        return {std::nullopt, QStringLiteral("le fichier ne peut pas être lu : %1").arg(failed)};
    return readInvoiceBytes(QByteArray(bytes.data(), qsizetype(bytes.size())));
}

} // namespace einvoice
