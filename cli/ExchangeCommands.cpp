#include "cli/ExchangeCommands.h"

#include "cli/ConsolePlatform.h"
#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "cli/YearEndCommands.h"
#include "document/Fiche.h"
#include "exchange/ExchangeCommands.h"
#include "exchange/ExchangeText.h"
#include "exchange/MonthSearch.h"
#include "ledger/DossierLock.h"
#include "platform/Messages.h"
#include "yearend/Closing.h"

namespace cli {
namespace {

// Bytes of an exchange file: to the file of --sortie, replaced whole or not
// at all, or to standard output.
int deliver(const Invocation &invocation, const std::string &bytes, const Fiche &fiche, Streams &io)
{
    if (!invocation.output) {
        io.out += bytes;
        return ExitOk;
    }
    const QString failure = exchange::writeExchangeFile(fiche.ledger, *invocation.output, bytes, fileio::NamedBy::User);
    if (failure.isEmpty())
        return ExitOk;
    fiche.platform().messages->information(failure);
    return ExitUnreadable;
}

} // namespace

int exportEntries(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    if (invocation.year == 0)
        return deliver(invocation, exchange::exportJournal(fiche.ledger.Lignes), fiche, io);
    fiche.ledger.Annee = quint16(invocation.year);
    fiche.ledger.Mois = quint16(invocation.month);
    fiche.ledger.readMonthGrid();
    return deliver(invocation, exchange::exportMonth(fiche.ledger.monthGrid), fiche, io);
}

int importEntries(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    Messages &messages = *fiche.platform().messages;
    // A dossier open in a window would lose the import at its next save, or
    // the window's work to this one.
    DossierLock lock;
    if (!lockForSaving(lock, invocation.file, messages) || !openDossier(fiche, invocation.file))
        return ExitUnreadable;
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

int closeYear(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    DossierLock lock;
    if ((invocation.definitive && !lockForSaving(lock, invocation.file, *fiche.platform().messages))
        || !openDossier(fiche, invocation.file))
        return ExitUnreadable;
    QString refusal = yearend::closingRefusal(fiche.ledger.fiscalYear);
    yearend::OpeningEntries entries;
    if (refusal.isEmpty()) {
        entries = yearend::openingEntries(fiche.ledger.Lignes, fiche.ledger.fiscalYear, fiche.ledger.ref.ListePlc);
        refusal = entries.error;
    }
    if (!refusal.isEmpty()) {
        fiche.platform().messages->information(refusal);
        return ExitRefused;
    }
    // Without anyone to ask, the warnings go to standard error and the file is written.
    for (const QString &warning : entries.warnings)
        fiche.platform().messages->information(warning);
    const int delivered = deliver(invocation, entries.text, fiche, io);
    if (delivered != ExitOk || !invocation.definitive)
        return delivered;
    return closeDefinitively(fiche, invocation.file);
}

int search(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const std::vector<exchange::FoundRow> rows =
        exchange::rowsHolding(fiche.ledger.Lignes, exchange::SearchText(invocation.argument));
    for (const exchange::FoundRow &row : rows)
        appendCells(io.out, QStringList{QString::fromLatin1(row.key.data(), qsizetype(row.key.size())),
                                        QString::number(row.row + 1)} + row.cells);
    return rows.empty() ? ExitNothingFound : ExitOk;
}

} // namespace cli
