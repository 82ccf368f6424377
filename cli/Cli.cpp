#include "cli/Cli.h"

#include "cli/BankCommands.h"
#include "cli/Calculators.h"
#include "cli/CommandLine.h"
#include "cli/ConsolePlatform.h"
#include "cli/Dossier.h"
#include "cli/ExchangeCommands.h"
#include "cli/ExitCode.h"
#include "cli/InvoiceFilesCommand.h"
#include "cli/Listings.h"
#include "cli/VatCommand.h"
#include "cli/VerificationReport.h"
#include "cli/YearEndCommands.h"
#include "document/Fiche.h"
#include "ledger/LedgerFile.h"
#include "ledger/ValidationRegister.h"
#include "yearend/Fingerprint.h"

namespace cli {
namespace {

void append(std::string &stream, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    stream.append(utf8.constData(), std::size_t(utf8.size()));
}

void reportLine(std::string &err, const QString &message)
{
    if (message.isEmpty())
        return;
    append(err, message);
    err += '\n';
}

int verify(const Invocation &invocation, Streams &io)
{
    // The lines as they are on disk: the loading's clean-up would hide some
    // of what the check must show, and shift the line numbers it gives. The
    // text is read once, line after line, without a list of its lines.
    std::string text;
    const QString refused = ledgerfile::readLedgerText(invocation.file, text);
    if (!refused.isEmpty()) {
        reportLine(io.err, refused);
        return ExitUnreadable;
    }
    ReferenceData ref;
    reportLine(io.err, reference::ChargePlc(QDir::current(), ref));
    reportLine(io.err, reference::ChargeCombo(QDir::current(), ref));
    VerificationReport report(io.out);
    const yearend::FindingSink sink{[&](const yearend::Finding &finding) {
                                        report.add(finding);
                                        io.flushOut();
                                    },
                                    kListedFindings};
    const yearend::Verification verification = yearend::verifyLedgerText(text, ref, sink);
    report.finish(verification);
    const std::vector<const Validation *> altered =
        verification.validations.empty() ? std::vector<const Validation *>()
                                         : yearend::alteredValidationsOfText(text, verification.validations,
                                                                             verification.year.chainStart());
    append(io.out, yearend::validationReport(verification.validations, altered));
    ValidationRegister validations;
    reportLine(io.err, validations.load(QDir::current()));
    const QStringList removed = validations.discrepancies(verification.year);
    for (const QString &line : removed)
        append(io.out, line + u'\n');
    return verification.anomalies() == 0 && altered.empty() && removed.isEmpty() ? ExitOk : ExitFindings;
}

int list(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    switch (invocation.command) {
    case Command::Month:
        listMonth(fiche, invocation.year, invocation.month, io.out);
        break;
    case Command::Balance: {
        BalanceOrder order;
        order.setByAccount(invocation.sortByAccount);
        order.setClassSubtotals(invocation.classSubtotals);
        listBalance(fiche, invocation.from, invocation.to, order, io.out);
        break;
    }
    case Command::IncomeStatement:
        listIncomeStatement(fiche, invocation.from, invocation.to, io.out);
        break;
    case Command::BalanceSheet:
        listBalanceSheet(fiche, invocation.from, invocation.to, io.out);
        break;
    default:
        listMonthView(fiche, invocation.command, invocation.year, invocation.month, invocation.filter, io.out);
        break;
    }
    return ExitOk;
}

} // namespace

void Streams::flushOut()
{
    if (writeOut && !out.empty()) {
        writeOut(out);
        out.clear();
    }
}

int run(const QStringList &args, Streams &io)
{
    if (isCalculatorCommand(args.value(0)))
        return runCalculator(args, io);
    const ParsedCommandLine parsed = parseCommandLine(args);
    if (!parsed.invocation) {
        append(io.err, QStringLiteral("tavelin-cli : %1\n").arg(parsed.error));
        append(io.err, usageReminder());
        return ExitUsage;
    }
    const Invocation &invocation = *parsed.invocation;
    switch (invocation.command) {
    case Command::Help:
        append(io.out, helpText());
        return ExitOk;
    case Command::Version:
        append(io.out, versionText());
        return ExitOk;
    case Command::Verifier:
        return verify(invocation, io);
    case Command::Export:
        return exportEntries(invocation, io);
    case Command::Import:
        return importEntries(invocation, io);
    case Command::CloseYear:
        return closeYear(invocation, io);
    case Command::NextYear:
        return openNextYear(invocation, io);
    case Command::Search:
        return search(invocation, io);
    case Command::Vat:
        return listVatReturn(invocation, io);
    case Command::Reconcile:
        return reconcile(invocation, io);
    case Command::Validate:
        return validate(invocation, io);
    case Command::Fec:
        return fec(invocation, io);
    case Command::ReceiveInvoices:
        return receiveInvoices(invocation, io);
    default:
        return list(invocation, io);
    }
}

} // namespace cli
