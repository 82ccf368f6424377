#include "cli/VerifyCommand.h"

#include "cli/Cli.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "cli/VerificationReport.h"
#include "ledger/LedgerFile.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextLines.h"
#include "ledger/ValidationRegister.h"
#include "yearend/BookEntries.h"
#include "yearend/Fingerprint.h"
#include "yearend/Verification.h"

#include <QDir>

namespace cli {
namespace {

void reportLine(std::string &err, const QString &message)
{
    if (message.isEmpty())
        return;
    appendText(err, message);
    err += '\n';
}

} // namespace

int verify(Call &call)
{
    const Invocation &invocation = call.invocation;
    Streams &io = call.io;
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
    // The register keeps the months each record covered, for an alteration
    // to be told with its months and entries.
    ValidationRegister validations;
    reportLine(io.err, validations.load(QDir::current()));
    FiscalYear year = verification.year;
    year.validations = verification.validations;
    validations.giveMonths(year);
    const std::vector<const Validation *> altered =
        year.validations.empty() ? std::vector<const Validation *>()
                                 : yearend::alteredValidationsOfText(text, year.validations, year.chainStart());
    std::vector<yearend::BookEntry> entries;
    if (!altered.empty()) {
        yearend::BookEntryReader reader([&entries](const yearend::BookEntry &e) { entries.push_back(e); });
        textlines::forEachLine(text, [&reader](std::string_view line) {
            reader.add(line);
            return true;
        });
        reader.finish();
    }
    appendText(io.out, yearend::validationReport(year.validations, altered, entries));
    const QStringList removed = validations.discrepancies(verification.year);
    for (const QString &line : removed)
        appendText(io.out, line + u'\n');
    return verification.anomalies() == 0 && altered.empty() && removed.isEmpty() ? ExitOk : ExitFindings;
}

} // namespace cli
