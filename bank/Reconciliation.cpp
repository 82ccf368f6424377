#include "bank/Reconciliation.h"

#include "bank/ReconciliationStatement.h"
#include "ledger/Ledger.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextGrid.h"
#include "ledger/Validations.h"
#include "platform/Messages.h"
#include "platform/Printer.h"

#include <QFileInfo>
#include <algorithm>

namespace bank {
namespace {

// A statement file as the balances typed for it are kept: its absolute path.
QString balanceKey(const QString &path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

Reconciliation::Reconciliation(Ledger &ledger, ReconciliationHost &host)
    : ledger_(ledger), host_(host)
{
    const QString unread = loadSettings(ledger_.referenceDir(), settings_);
    settingsUnread_ = !unread.isEmpty();
    tell(unread);
    if (!ledger_.NomFichier.isEmpty())
        checkOffsUnread_ = !tell(loadCheckOffs(ledger_.NomFichier, checkOffs_));
}

bool Reconciliation::saveCheckOffs()
{
    if (ledger_.NomFichier.isEmpty())
        return true;
    // A record that could not be read is not written over with this run's part of it.
    if (checkOffsUnread_)
        return tell(QStringLiteral("Le fichier %1 n'a pas pu être lu : il n'est pas modifié.")
                        .arg(checkOffRecordPath(ledger_.NomFichier)));
    return tell(bank::saveCheckOffs(ledger_.NomFichier, checkOffs_));
}

bool Reconciliation::tell(const QString &message) const
{
    if (message.isEmpty())
        return true;
    ledger_.platform().messages->information(message);
    return false;
}

QStringList Reconciliation::bankAccounts() const
{
    QStringList accounts;
    for (const QString &line : ledger_.ref.ListePlc) {
        const QString code = CodeList::codeOf(line);
        if (code.startsWith(u'5'))
            accounts.append(code);
    }
    if (!accounts.contains(defaultBankAccount()))
        accounts.prepend(defaultBankAccount());
    return accounts;
}

bool Reconciliation::open(const QString &path)
{
    Statement statement;
    const StatementReading reading = readStatementFile(path, settings_.columns, statement);
    if (reading.columnsUnknown) {
        columnsToChoose_ = reading.layout;
        choosingPath_ = path;
        return false;
    }
    columnsToChoose_.reset();
    if (!reading.read)
        return tell(reading.message);
    if (statement.lines.empty())
        return tell(QStringLiteral("Le relevé %1 ne contient aucune opération.").arg(QFileInfo(path).fileName()));
    path_ = path;
    statement_ = std::move(statement);
    hasStatement_ = true;
    balanceStated_ = statement_.closingBalance.has_value();
    if (const auto typed = settings_.balances.find(balanceKey(path_)); !balanceStated_ && typed != settings_.balances.end())
        statement_.closingBalance = typed->second;
    marked_.clear();
    recorded_.clear();
    rematch();
    return true;
}

bool Reconciliation::setStatementBalance(const QString &typed)
{
    if (!hasStatement_ || balanceStated_)
        return tell(QStringLiteral("Le relevé donne lui-même son solde."));
    QString text = typed;
    text.remove(u' ').remove(u'\u00A0').remove(u'\u202F').replace(u'.', u',');
    if (text.isEmpty()) {
        statement_.closingBalance.reset();
        settings_.balances.erase(balanceKey(path_));
        return saveSettings();
    }
    const std::optional<Cents> balance = forms::parseAmount(QStringView(text));
    if (!balance)
        return tell(QStringLiteral("Montant invalide : %1").arg(typed));
    statement_.closingBalance = *balance;
    settings_.balances[balanceKey(path_)] = *balance;
    return saveSettings();
}

bool Reconciliation::chooseColumns(const csv::Columns &columns)
{
    if (!columnsToChoose_)
        return false;
    if (!columns.complete())
        return tell(QStringLiteral("Choisissez la colonne de la date, celle du libellé, et celle du montant "
                                   "ou celles du débit et du crédit."));
    settings_.columns[columnsToChoose_->signature] = columns;
    saveSettings();
    return open(choosingPath_);
}

void Reconciliation::setAccount(const QString &account)
{
    account_ = forms::completeAccount(account.trimmed());
    marked_.clear();
    recorded_.clear();
    if (hasStatement_)
        rematch();
}

void Reconciliation::rematch()
{
    entries_ = accountEntries(ledger_.Lignes, account_);
    matching_ = match(statement_, entries_, checkOffsOf(checkOffs_, account_));
    proposals_ = bank::proposals(statement_, matching_, settings_.rules, account_, usualJournal(entries_));
}

int Reconciliation::checkedOffCount() const
{
    int count = 0;
    for (const LineMatch &line : matching_.lines)
        count += line.status == LineStatus::CheckedOff;
    return count;
}

int Reconciliation::checkOff()
{
    std::vector<EntryPlace> places;
    for (const LineMatch &line : matching_.lines)
        if (line.status == LineStatus::CheckedOff)
            places.push_back(entries_[*line.entry].place);
    const std::vector<CheckOff> added = newCheckOffs(statement_, entries_, matching_, account_);
    checkOffs_.insert(checkOffs_.end(), added.begin(), added.end());
    recorded_.insert(recorded_.end(), added.begin(), added.end());
    if (places.empty())
        return 0;
    setMarks(ledger_.Lignes, places, true);
    marked_.insert(marked_.end(), places.begin(), places.end());
    saveCheckOffs();
    host_.linesChanged();
    rematch();
    return int(places.size());
}

void Reconciliation::undoCheckOff()
{
    if (marked_.empty())
        return;
    setMarks(ledger_.Lignes, marked_, false);
    marked_.clear();
    for (const CheckOff &checkOff : recorded_)
        if (const auto it = std::find(checkOffs_.begin(), checkOffs_.end(), checkOff); it != checkOffs_.end())
            checkOffs_.erase(it);
    recorded_.clear();
    saveCheckOffs();
    host_.linesChanged();
    rematch();
}

bool Reconciliation::inChart(const QString &account) const
{
    return ledger_.ref.ListePlc.findCode(account) != CodeList::npos;
}

bool Reconciliation::postConfirmed()
{
    std::vector<PostedEntry> posted;
    QStringList accounts{account_};
    QString journal;
    for (Proposal &proposal : proposals_) {
        if (!proposal.confirmed)
            continue;
        PostedEntry entry = proposal.entry;
        const QString typed = entry.counterpart.trimmed();
        entry.counterpart = typed.isEmpty() ? typed : forms::completeAccount(typed);
        if (entry.counterpart.isEmpty() || entry.counterpart == account_)
            return tell(QStringLiteral("Choisissez le compte de contrepartie de l'opération du %1 « %2 »")
                            .arg(forms::formatDate(entry.date), entry.label));
        if (!inChart(entry.counterpart))
            return tell(QStringLiteral("Le compte %1 n'existe pas").arg(entry.counterpart));
        if (const QString final = validation::dateRefusal(ledger_.fiscalYear.finalUntil(), entry.date); !final.isEmpty())
            return tell(final + QStringLiteral(" : l'opération du %1 « %2 » ne peut pas y être passée.")
                                    .arg(forms::formatDate(entry.date), entry.label));
        if (!entry.journal.isEmpty() && !ledger_.ref.journalItems.contains(entry.journal))
            return tell(QStringLiteral("Le journal %1 n'existe pas").arg(entry.journal));
        accounts.append(entry.counterpart);
        journal = entry.journal;
        posted.push_back(entry);
    }
    if (posted.empty())
        return tell(QStringLiteral("Cochez les écritures proposées à passer."));
    // A rematch after a change of marks keeps the marks' places: rows are
    // added at the end of their months, and no row before them moves.
    postEntries(ledger_.Lignes, posted);
    accounts.removeDuplicates();
    host_.accountsUsed(accounts, journal);
    host_.linesChanged();
    rematch();
    return true;
}

bool Reconciliation::saveSettings()
{
    // A file that could not be read is not written over with what little
    // this run knows of it.
    if (settingsUnread_)
        return tell(QStringLiteral("Le fichier %1 n'a pas pu être lu : il n'est pas modifié.").arg(kSettingsFile));
    return tell(bank::saveSettings(ledger_.referenceDir(), settings_));
}

bool Reconciliation::setRules(const std::vector<Rule> &rules)
{
    std::vector<Rule> kept;
    for (const Rule &rule : rules)
        if (!rule.text.trimmed().isEmpty() && !rule.account.trimmed().isEmpty())
            kept.push_back({rule.text.trimmed(), forms::completeAccount(rule.account.trimmed())});
    if (kept == settings_.rules)
        return true;
    settings_.rules = kept;
    if (!saveSettings())
        return false;
    if (hasStatement_) {
        // Rules change what is proposed, not what was confirmed.
        for (Proposal &proposal : proposals_)
            if (!proposal.confirmed)
                proposal.entry.counterpart = counterpartFor(settings_.rules, proposal.entry.label);
    }
    return true;
}

TextGrid Reconciliation::statementGrid() const
{
    return reconciliationGrid(statement_, matching_, entries_);
}

QString Reconciliation::statementTitle() const
{
    return reconciliationTitle(account_, matching_.periodEnd);
}

void Reconciliation::printStatement()
{
    if (hasStatement_ && !host_.printStatement(statementGrid(), statementTitle()))
        tell(printerRefusedMessage());
}

} // namespace bank
