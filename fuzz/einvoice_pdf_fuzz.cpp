#include "FuzzFiles.h"

#include "einvoice/PdfAttachments.h"

// A PDF searched for the Factur-X attachment as a received invoice is:
// nothing crashes, and the answer is the attachment or a reason, the
// attachment never beyond the bound it was given.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    constexpr qint64 kBound = 1 << 16;
    const einvoice::PdfAttachment found =
        einvoice::invoiceAttachment(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), kBound);
    FUZZ_CHECK(found.error.isEmpty() || found.xml.isEmpty());
    FUZZ_CHECK(found.xml.size() <= kBound);
    return 0;
}
