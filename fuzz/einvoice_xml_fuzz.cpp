#include "FuzzFiles.h"

#include "einvoice/InvoiceChecks.h"
#include "einvoice/InvoiceXml.h"
#include "einvoice/PurchaseEntry.h"
#include "ledger/LineList.h"

// The invoice XML of either syntax (CII, UBL) read as a received invoice is:
// nothing crashes, a file is either an invoice or a reason, and an invoice
// that passes its checks proposes an entry that balances to the cent.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const einvoice::XmlReading reading =
        einvoice::readInvoiceXml(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    FUZZ_CHECK(reading.invoice.has_value() == reading.error.isEmpty());
    if (!reading.invoice || !einvoice::checkInvoice(*reading.invoice).isEmpty())
        return 0;
    einvoice::BookingSettings settings;
    settings.exchangeRate = 1'234'567;
    const einvoice::Proposal proposal =
        einvoice::proposeEntry(*reading.invoice, {"HA", "401000", {{"606400", 70}, {"218300", 30}}}, settings, LineList());
    FUZZ_CHECK(proposal.refusal.isEmpty());
    Cents debits = 0, credits = 0;
    for (const ProposedLine &line : proposal.entry.lines) {
        FUZZ_CHECK(line.debit >= 0 && line.credit >= 0);
        debits += line.debit;
        credits += line.credit;
    }
    FUZZ_CHECK(debits == credits);
    return 0;
}
