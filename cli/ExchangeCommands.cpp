#include "cli/ExchangeCommands.h"

#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "cli/YearEndCommands.h"
#include "document/Fiche.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ExchangeText.h"
#include "exchange/MonthSearch.h"
#include "platform/Messages.h"
#include "yearend/Closing.h"

namespace cli {
namespace {

// Bytes of an exchange file: to the file of --sortie, replaced whole or not
// at all, or to standard output.
int deliver(Call &call, const std::string &bytes)
{
    const Invocation &invocation = call.invocation;
    const Fiche &fiche = call.fiche;
    if (!invocation.output) {
        call.io.out += bytes;
        return ExitOk;
    }
    const QString failure = exchange::writeExchangeFile(fiche.ledger, *invocation.output, bytes, fileio::NamedBy::User);
    if (failure.isEmpty())
        return ExitOk;
    call.messages.information(failure);
    return ExitUnreadable;
}

} // namespace

int exportEntries(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    if (invocation.year == 0)
        return deliver(call, exchange::exportJournal(fiche.ledger.Lignes));
    fiche.ledger.Annee = quint16(invocation.year);
    fiche.ledger.Mois = quint16(invocation.month);
    fiche.ledger.readMonthGrid();
    return deliver(call, exchange::exportMonth(fiche.ledger.monthGrid));
}

int importEntries(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    Messages &messages = call.messages;
    const exchange::ImportOutcome outcome = exchange::importFile(fiche.ledger, invocation.argument);
    if (!outcome.imported) {
        messages.information(outcome.message);
        return ExitUnreadable;
    }
    // The summary tells what the dossier holds: only once it is saved.
    if (!saveDossier(fiche, invocation.file, QStringLiteral("Aucune écriture n'a été ajoutée au dossier.")))
        return ExitUnreadable;
    messages.information(outcome.message);
    return outcome.refused > 0 ? ExitFindings : ExitOk;
}

int closeYear(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    QString refusal = yearend::closingRefusal(fiche.ledger.fiscalYear);
    yearend::OpeningEntries entries;
    if (refusal.isEmpty()) {
        entries = yearend::openingEntries(fiche.ledger.Lignes, fiche.ledger.fiscalYear, fiche.ledger.ref.ListePlc);
        refusal = entries.error;
    }
    if (!refusal.isEmpty()) {
        call.messages.information(refusal);
        return ExitRefused;
    }
    // Without anyone to ask, the warnings go to standard error and the file is written.
    for (const QString &warning : entries.warnings)
        call.messages.information(warning);
    const int delivered = deliver(call, entries.text);
    if (delivered != ExitOk || !invocation.definitive)
        return delivered;
    return closeDefinitively(fiche, invocation.file);
}

int search(Call &call)
{
    const std::vector<exchange::FoundRow> rows =
        exchange::rowsHolding(call.fiche.ledger.Lignes, exchange::SearchText(call.invocation.argument));
    for (const exchange::FoundRow &row : rows)
        appendCells(call.io.out, QStringList{QString::fromLatin1(row.key.data(), qsizetype(row.key.size())),
                                        QString::number(row.row + 1)} + row.cells);
    return rows.empty() ? ExitNothingFound : ExitOk;
}

} // namespace cli
