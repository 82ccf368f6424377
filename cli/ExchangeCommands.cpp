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
    const QString failure = exchange::writeExchangeFile(*invocation.output, bytes);
    if (failure.isEmpty())
        return ExitOk;
    fiche.platform().messages->information(failure);
    return ExitUnreadable;
}

} // namespace

int exporter(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    if (invocation.annee == 0)
        return deliver(invocation, exchange::exportJournal(fiche.Lignes), fiche, io);
    fiche.Annee = quint16(invocation.annee);
    fiche.Mois = quint16(invocation.mois);
    fiche.readMonthGrid();
    return deliver(invocation, exchange::exportMonth(fiche.monthGrid), fiche, io);
}

int importer(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    DossierLock lock;
    if (!lockForSaving(lock, fiche, invocation.file) || !openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const exchange::ImportOutcome outcome = exchange::importFile(fiche, invocation.argument);
    fiche.platform().messages->information(outcome.message);
    if (!outcome.imported || !fiche.writeFile(invocation.file))
        return ExitUnreadable;
    return outcome.refused > 0 ? ExitFindings : ExitOk;
}

int cloture(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    DossierLock lock;
    if ((invocation.definitive && !lockForSaving(lock, fiche, invocation.file)) || !openDossier(fiche, invocation.file))
        return ExitUnreadable;
    QString refusal = reports::closingRefusal(fiche.exercice);
    reports::OpeningEntries entries;
    if (refusal.isEmpty()) {
        entries = reports::openingEntries(fiche.Lignes, fiche.exercice, fiche.ref.ListePlc);
        refusal = entries.error;
    }
    if (!refusal.isEmpty()) {
        fiche.platform().messages->information(refusal);
        return ExitRefused;
    }
    const int delivered = deliver(invocation, entries.text, fiche, io);
    if (delivered != ExitOk || !invocation.definitive)
        return delivered;
    return closeDefinitively(fiche, invocation.file);
}

int rechercher(const Invocation &invocation, Streams &io)
{
    ConsolePlatform console(io.err);
    Fiche fiche(console.platform());
    if (!openDossier(fiche, invocation.file))
        return ExitUnreadable;
    const std::vector<exchange::FoundRow> rows =
        exchange::rowsHolding(fiche.Lignes, exchange::SearchText(invocation.argument));
    for (const exchange::FoundRow &row : rows)
        appendCells(io.out, QStringList{QString::fromLatin1(row.key.data(), qsizetype(row.key.size())),
                                        QString::number(row.row + 1)} + row.cells);
    return rows.empty() ? ExitNothingFound : ExitOk;
}

} // namespace cli
