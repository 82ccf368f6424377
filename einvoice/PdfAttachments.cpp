#include "einvoice/PdfAttachments.h"

#include <poppler-document.h>
#include <poppler-embedded-file.h>
#include <poppler-global.h>

#include <memory>

namespace einvoice {
namespace {

bool isInvoiceName(const std::string &name)
{
    const QString lower = QString::fromStdString(name).toLower();
    return lower == u"factur-x.xml" || lower == u"zugferd-invoice.xml" || lower == u"xrechnung.xml";
}

// Poppler would write its complaints about a damaged file on standard error,
// over what the command prints; the reader says what is wrong itself.
void silence(const std::string &, void *) {}

} // namespace

PdfAttachment invoiceAttachment(const QByteArray &pdf, qint64 sizeLimit)
{
    poppler::set_debug_error_function(silence, nullptr);
    // The document reads the bytes in place: `pdf` outlives it.
    const std::unique_ptr<poppler::document> document(
        poppler::document::load_from_raw_data(pdf.constData(), int(pdf.size())));
    if (!document)
        return {{}, QStringLiteral("le PDF est endommagé ou tronqué")};
    if (document->is_locked())
        return {{}, QStringLiteral("le PDF est protégé par un mot de passe")};
    if (document->has_embedded_files())
        for (poppler::embedded_file *file : document->embedded_files()) {
            if (!file || !file->is_valid() || !isInvoiceName(file->name()))
                continue;
            const poppler::byte_array data = file->data();
            if (qint64(data.size()) > sizeLimit)
                return {{}, QStringLiteral("la pièce jointe %1 est trop grande").arg(QString::fromStdString(file->name()))};
            return {QByteArray(data.data(), qsizetype(data.size())), {}};
        }
    return {{}, QStringLiteral("le PDF ne porte pas de facture jointe (factur-x.xml)")};
}

} // namespace einvoice
