#include "printing/Envelope.h"

#include "platform/Messages.h"
#include "platform/Printer.h"
#include "printing/MillimetrePage.h"
#include "printing/PrintJob.h"

namespace printing {

bool printEnvelope(Printer &printer, const EnvelopeAddresses &addresses)
{
    const PrintJob job(printer);
    if (!job.started())
        return false;
    const MillimetrePage &page = job.page();
    for (int i = 0; i < 4; ++i) {
        page.text(5, 5 + 5 * i, addresses.sender[i]);
        page.text(110, 50 + 5 * i, addresses.recipient[i]);
    }
    return true;
}

void Enveloppe(const std::array<QString, 7> &company, EnvelopeDialog &dialog, Messages &messages, Printer &printer)
{
    const std::optional<EnvelopeAddresses> addresses = dialog.ask({company[0], company[1], company[2], company[3]});
    if (!addresses || addresses->recipient[0].isEmpty())
        return;
    messages.information(QStringLiteral("Insérez une enveloppe dans l'imprimante"));
    if (!printEnvelope(printer, *addresses))
        messages.information(printerRefusedMessage());
}

} // namespace printing
