#include "bank/ReconciliationRules.h"

#include "bank/StatementText.h"
#include "ledger/FileIO.h"
#include "ledger/LineFile.h"


namespace bank {
namespace {

const QString kRulesSection = QStringLiteral("[REGLES]");
const QString kColumnsSection = QStringLiteral("[COLONNES]");
const QString kBalancesSection = QStringLiteral("[SOLDES]");

int column(const QString &text)
{
    return text.toInt() - 1;
}

ReconciliationSettings parseSettings(const QStringList &lines)
{
    ReconciliationSettings settings;
    QString section;
    for (const QString &line : lines) {
        if (line == kRulesSection || line == kColumnsSection || line == kBalancesSection) {
            section = line;
            continue;
        }
        const QStringList fields = line.split(u'\t');
        if (section == kRulesSection && fields.size() == 2 && !fields[0].trimmed().isEmpty())
            settings.rules.push_back({fields[0].trimmed(), fields[1].trimmed()});
        else if (section == kColumnsSection && fields.size() == 6)
            settings.columns[fields[0]] = {column(fields[1]), column(fields[2]), column(fields[3]),
                                           column(fields[4]), column(fields[5])};
        else if (section == kBalancesSection && fields.size() == 2 && !fields[0].isEmpty())
            if (const std::optional<Cents> balance = forms::parseAmount(QStringView(fields[1])))
                settings.balances[fields[0]] = *balance;
    }
    return settings;
}

QStringList settingsLines(const ReconciliationSettings &settings)
{
    QStringList lines{kRulesSection};
    for (const Rule &rule : settings.rules)
        lines.append(forms::singleLine(rule.text) + u'\t' + forms::singleLine(rule.account));
    lines.append(kColumnsSection);
    for (const auto &[signature, c] : settings.columns) {
        QStringList fields{forms::singleLine(signature)};
        for (int index : {c.date, c.label, c.amount, c.debit, c.credit})
            fields.append(QString::number(index + 1));
        lines.append(fields.join(u'\t'));
    }
    if (!settings.balances.empty())
        lines.append(kBalancesSection);
    for (const auto &[file, balance] : settings.balances)
        lines.append(forms::singleLine(file) + u'\t' + forms::formatAmount(balance));
    return lines;
}

} // namespace

QString loadSettings(const QDir &dir, ReconciliationSettings &out)
{
    QStringList lines;
    const QString failure = linefile::read(dir.filePath(kSettingsFile), lines);
    if (failure.isEmpty() && !lines.isEmpty())
        out = parseSettings(lines);
    return failure;
}

QString saveSettings(const QDir &dir, const ReconciliationSettings &settings)
{
    const QString path = dir.filePath(kSettingsFile);
    const QString why = fileio::writeAtomically(path, linefile::encode(settingsLines(settings)));
    return why.isEmpty() ? QString() : fileio::saveFailedMessage(path, why);
}

QString counterpartFor(const std::vector<Rule> &rules, const QString &label)
{
    const QString folded = fold(label);
    for (const Rule &rule : rules)
        if (folded.contains(fold(rule.text)))
            return rule.account;
    return {};
}

QString usualJournal(const std::vector<BookEntry> &entries)
{
    const BookEntry *latest = nullptr;
    for (const BookEntry &entry : entries)
        if (entry.date.isValid() && !entry.journal.trimmed().isEmpty() && (!latest || entry.date >= latest->date))
            latest = &entry;
    return latest ? latest->journal.trimmed() : QString();
}

std::vector<Proposal> proposals(const Statement &statement, const Matching &matching,
                                const std::vector<Rule> &rules, const QString &bankAccount,
                                const QString &journal)
{
    std::vector<Proposal> out;
    for (std::size_t i = 0; i < statement.lines.size(); ++i) {
        if (matching.lines[i].status != LineStatus::ToEnter)
            continue;
        const StatementLine &line = statement.lines[i];
        out.push_back({i, {line.date, line.label, journal, bankAccount, counterpartFor(rules, line.label), line.amount}, false});
    }
    return out;
}

} // namespace bank
