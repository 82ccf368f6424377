#include "cli/BankCommands.h"

#include "bank/BookEntries.h"
#include "bank/Matching.h"
#include "bank/ReconciliationRules.h"
#include "bank/StatementFile.h"
#include "cli/Dossier.h"
#include "cli/ExitCode.h"
#include "cli/GridText.h"
#include "document/Fiche.h"
#include "platform/Messages.h"

namespace cli {
namespace {

QString amountOrNothing(const std::optional<Cents> &amount)
{
    return amount ? forms::formatAmount(*amount) : QString();
}

QStringList placed(QStringList cells, const bank::EntryPlace &place)
{
    return cells << QString::fromStdString(place.monthKey) << QString::number(place.row + 1);
}

void listMatching(const bank::Statement &statement, const std::vector<bank::BookEntry> &entries,
                  const bank::Matching &matching, std::string &out)
{
    for (std::size_t i = 0; i < statement.lines.size(); ++i) {
        const bank::StatementLine &line = statement.lines[i];
        const bank::LineMatch &m = matching.lines[i];
        const QStringList cells{bank::statusText(m.status), forms::formatDate(line.date),
                                forms::formatAmount(line.amount), line.label};
        appendCells(out, m.entry ? placed(cells, entries[*m.entry].place) : cells);
    }
    for (std::size_t i : matching.notOnStatement) {
        const bank::BookEntry &entry = entries[i];
        appendCells(out, placed({bank::notOnStatementText(), entry.dateText, forms::formatAmount(entry.amount), entry.label},
                                entry.place));
    }
    if (matching.openingGap)
        appendCells(out, {bank::openingGapText(), forms::formatAmount(*matching.openingGap)});
    std::optional<Cents> gap;
    if (statement.closingBalance && matching.bookBalance.computed())
        gap = *statement.closingBalance - matching.bookBalance.value();
    appendCells(out, {QStringLiteral("Solde du relevé"), amountOrNothing(statement.closingBalance)});
    appendCells(out, {QStringLiteral("Solde comptable"), matching.bookBalance.text()});
    appendCells(out, {QStringLiteral("Écart"), amountOrNothing(gap)});
}

} // namespace

int reconcile(Call &call)
{
    const Invocation &invocation = call.invocation;
    Fiche &fiche = call.fiche;
    Messages &messages = call.messages;
    bank::ReconciliationSettings settings;
    if (const QString unread = bank::loadSettings(QDir::current(), settings); !unread.isEmpty())
        messages.information(unread);
    bank::Statement statement;
    const bank::StatementReading reading = bank::readStatementFile(invocation.argument, settings.columns, statement);
    if (!reading.read) {
        messages.information(reading.message);
        return ExitUnreadable;
    }
    const QString account = forms::completeAccount(invocation.filter.value_or(bank::defaultBankAccount()));
    const std::vector<bank::BookEntry> entries = bank::accountEntries(fiche.ledger.Lignes, account);
    std::vector<bank::CheckOff> checkOffs;
    if (const QString unread = bank::loadCheckOffs(invocation.file, checkOffs); !unread.isEmpty()) {
        messages.information(unread);
        return ExitUnreadable;
    }
    const bank::Matching matching = bank::match(statement, entries, bank::checkOffsOf(checkOffs, account));
    listMatching(statement, entries, matching, call.io.out);
    if (!invocation.save)
        return ExitOk;
    std::vector<bank::EntryPlace> places;
    for (const bank::LineMatch &m : matching.lines)
        if (m.status == bank::LineStatus::CheckedOff)
            places.push_back(entries[*m.entry].place);
    if (places.empty())
        return ExitOk;
    bank::setMarks(fiche.ledger.Lignes, places, true);
    fiche.ledger.Modifie = true;
    const QString nothingSaved = QStringLiteral("Aucun pointage n'a été enregistré.");
    if (!saveDossier(fiche, invocation.file, nothingSaved))
        return ExitUnreadable;
    const std::vector<bank::CheckOff> added = bank::newCheckOffs(statement, entries, matching, account);
    checkOffs.insert(checkOffs.end(), added.begin(), added.end());
    if (const QString failed = bank::saveCheckOffs(invocation.file, checkOffs); !failed.isEmpty()) {
        messages.information(failed);
        return ExitUnreadable;
    }
    return ExitOk;
}

} // namespace cli
