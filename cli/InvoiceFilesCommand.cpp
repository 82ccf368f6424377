#include "cli/InvoiceFilesCommand.h"

#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "document/ReceivedInvoiceCommands.h"
#include "platform/Messages.h"

namespace cli {
namespace {

void listReceived(const einvoice::ReceivedInvoice &received, const QString &name, std::string &out)
{
    if (received.status() == einvoice::Status::Refused) {
        appendCells(out, {QStringLiteral("refusée"), name, received.refusal});
        return;
    }
    const einvoice::Invoice &invoice = *received.invoice;
    appendCells(out, {QStringLiteral("facture"), name, invoice.number, forms::formatDate(invoice.issueDate),
                      einvoice::kindText(invoice), invoice.seller.name, invoice.seller.siren, invoice.currency,
                      forms::formatAmount(invoice.totals.grand)});
    const ProposedEntry &entry = received.entry;
    for (const ProposedLine &line : entry.lines)
        appendCells(out, {QStringLiteral("écriture"), forms::formatDate(entry.date), line.account, entry.label, entry.journal,
                          entry.voucher, amountCell(line.debit).trimmed(),
                          amountCell(line.credit).trimmed()});
}

} // namespace

int receiveInvoices(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    Messages &messages = call.messages;
    Streams &io = call.io;
    // The guides of the purchases and the reverse-charge rate.
    fiche.ledger.ChargeIni();
    fiche.ledger.loadPreferences();
    document::ReceptionOnDocument host(fiche);
    einvoice::Reception reception(fiche.ledger, host);
    if (const QString unread = reception.loadSettings(); !unread.isEmpty())
        messages.information(unread);
    reception.settings.exchangeRate = invocation.exchangeRate;
    bool refused = false;
    // Each invoice is posted as it is read, so that a file given twice is
    // found booked the second time; nothing reaches the disk without
    // --enregistrer.
    reception.invoices.reserve(std::size_t(invocation.files.size()));
    for (const QString &name : invocation.files) {
        einvoice::ReceivedInvoice &received = reception.add(name);
        QString warning;
        reception.book(received, einvoice::Reception::Learning::Off, warning);
        refused = refused || received.status() == einvoice::Status::Refused;
        listReceived(received, name, io.out);
        io.flushOut();
    }
    if (invocation.save && host.changed()) {
        if (!saveDossier(fiche, invocation.file, QStringLiteral("Aucune facture n'a été comptabilisée.")))
            return ExitUnreadable;
        for (einvoice::ReceivedInvoice &received : reception.invoices)
            if (received.booked)
                if (const QString failed = reception.keepVoucher(received); !failed.isEmpty()) {
                    messages.information(QStringLiteral("%1 : %2").arg(received.path, failed));
                    refused = true;
                }
    }
    return refused ? ExitRefused : ExitOk;
}

} // namespace cli
