#include "einvoice/Reception.h"

#include "einvoice/InvoiceChecks.h"
#include "einvoice/InvoiceFile.h"
#include "einvoice/InvoiceXml.h"
#include "einvoice/VoucherFiles.h"
#include "ledger/Ledger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>


namespace einvoice {

QString ReceivedInvoice::statusText() const
{
    switch (status()) {
    case Status::Booked:
        return QStringLiteral("Comptabilisée");
    case Status::ToBook:
        return QStringLiteral("À comptabiliser");
    case Status::Refused:
        break;
    }
    return QStringLiteral("Refusée : ") + refusal;
}

Reception::Reception(const Ledger &ledger, ReceptionHost &host) : ledger_(ledger), host_(host) {}

QString Reception::loadSettings()
{
    QString rate = ledger_.preferences.value(kReverseChargeSetting);
    rate.replace(u',', u'.');
    if (const std::optional<qint64> value = parseDecimal(rate, 3); value && *value >= 0 && *value <= kMaxRate)
        settings.reverseChargeRate = *value;
    return rules.load(ledger_.referenceDir());
}

ReceivedInvoice &Reception::add(const QString &path)
{
    ReceivedInvoice &received = invoices.emplace_back();
    received.path = path;
    FileReading reading = readInvoiceFile(path);
    if (!reading.invoice) {
        received.refusal = reading.error;
        return received;
    }
    received.invoice = std::move(reading.invoice);
    received.accounts = accountsFor(received.invoice->seller, rules, ledger_.ref);
    propose(received);
    return received;
}

void Reception::addFolder(const QString &folder)
{
    host_.rememberFolder(folder);
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.pdf"), QStringLiteral("*.xml")}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files)
        if (std::none_of(invoices.begin(), invoices.end(), [&](const ReceivedInvoice &r) { return r.path == file.filePath(); }))
            add(file.filePath());
}

QStringList Reception::missingAccounts(const ReceivedInvoice &received) const
{
    QStringList missing;
    for (const ProposedLine &line : received.entry.lines)
        if (ledger_.ref.ListePlc.findAccount(line.account) == CodeList::npos && !missing.contains(line.account))
            missing << line.account;
    return missing;
}

void Reception::addAccount(const QString &code, const QString &label)
{
    host_.addAccount(code, label);
    proposeAll();
}

void Reception::proposeAll()
{
    for (ReceivedInvoice &received : invoices)
        propose(received);
}

void Reception::propose(ReceivedInvoice &received) const
{
    if (!received.invoice || received.booked)
        return;
    Proposal proposal = proposeEntry(*received.invoice, received.accounts, settings, ledger_.Lignes);
    received.entry = std::move(proposal.entry);
    received.refusal = proposal.refusal.isEmpty() ? host_.postingRefusal(received.entry) : proposal.refusal;
}

void Reception::setAccounts(ReceivedInvoice &received, const Accounts &accounts) const
{
    received.accounts = accounts;
    propose(received);
}

bool Reception::book(ReceivedInvoice &received, Learning learning, QString &warning)
{
    propose(received);
    if (received.status() != Status::ToBook)
        return false;
    const std::size_t before = ledger_.Lignes.size();
    host_.post(received.entry);
    bookings_.push_back({std::size_t(&received - invoices.data()), before, ledger_.Lignes.size() - before});
    received.booked = true;
    warning.clear();
    if (learning == Learning::On) {
        rules.learn(received.invoice->seller, received.accounts.supplier, received.accounts.charges);
        warning = rules.save(ledger_.referenceDir());
    }
    return true;
}

QString Reception::keepVoucher(ReceivedInvoice &received) const
{
    const KeptVoucher kept = keepVoucherFile(received.path, host_.dossierPath(), received.entry.date);
    received.keptAs = kept.path;
    return kept.error;
}

bool Reception::undo()
{
    if (bookings_.empty())
        return false;
    const Booking last = bookings_.back();
    bookings_.pop_back();
    host_.removeLines(last.firstLine, last.lineCount);
    ReceivedInvoice &received = invoices[last.invoice];
    if (!received.keptAs.isEmpty())
        QFile::remove(received.keptAs);
    received.booked = false;
    received.keptAs.clear();
    propose(received);
    return true;
}

} // namespace einvoice
