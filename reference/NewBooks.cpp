#include "reference/NewBooks.h"

#include "ledger/FileIO.h"
#include "ledger/Header.h"
#include "ledger/LedgerFile.h"
#include "ledger/Preferences.h"
#include "ledger/Siren.h"
#include "ledger/TextForms.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <map>

namespace newbooks {
namespace {

const QString kGeneralChart = QStringLiteral(":/pcg/pcg-2025.csv");
// The numbers the abridged chart keeps: those of two and three digits.
constexpr qsizetype kAbridgedDigits = 3;

// The accounts whose entries are checked off against statements.
const QStringList kPointablePrefixes = {QStringLiteral("512"), QStringLiteral("53"), QStringLiteral("401"),
                                        QStringLiteral("411")};

const QStringList kJournals = {QStringLiteral("AN N A-nouveaux"), QStringLiteral("AC N Achats"),
                               QStringLiteral("VT N Ventes"), QStringLiteral("BQ N Banque"),
                               QStringLiteral("CA N Caisse"), QStringLiteral("OD N Opérations diverses")};

// The entry guides: what the sales and purchase invoice dialogs propose.
struct Guide {
    QString journal, party, goods, vat;
};
const Guide kSales{QStringLiteral("VT"), QStringLiteral("411000"), QStringLiteral("706000"), QStringLiteral("445710")};
const Guide kPurchases{QStringLiteral("AC"), QStringLiteral("401000"), QStringLiteral("607000"),
                       QStringLiteral("445660")};

// The abridged chart keeps the accounts the guides propose, so that an
// invoice keyed with them finds them in the chart.
bool isGuideAccount(const QString &account)
{
    for (const Guide *guide : {&kSales, &kPurchases})
        if (account == guide->party || account == guide->goods || account == guide->vat)
            return true;
    return false;
}

bool isPointable(const QString &account)
{
    for (const QString &prefix : kPointablePrefixes)
        if (account.startsWith(prefix))
            return true;
    return false;
}

// The general chart's lines after its title: "number;label".
QStringList generalChart()
{
    QFile file(kGeneralChart);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (!lines.isEmpty())
        lines.removeFirst();
    return lines;
}

} // namespace

Answers proposed(QDate today, const QString &folder)
{
    Answers answers;
    answers.start = QDate(today.year(), 1, 1);
    answers.end = QDate(today.year(), 12, 31);
    answers.dossier = QDir(folder).filePath(QStringLiteral("compta-%1.jnl").arg(today.year()));
    return answers;
}

QString dossierPath(const QString &path)
{
    return path.endsWith(QStringLiteral(".jnl"), Qt::CaseInsensitive) ? path : path + QStringLiteral(".jnl");
}

std::optional<Chart> chartNamed(const QString &word)
{
    if (word == QLatin1String("abrege"))
        return Chart::Abridged;
    if (word == QLatin1String("complet"))
        return Chart::Complete;
    if (word == QLatin1String("vide"))
        return Chart::Empty;
    return std::nullopt;
}

QString refusal(const Answers &answers)
{
    if (answers.company.trimmed().isEmpty())
        return QStringLiteral("Le nom de la société manque.");
    if (const QString wrong = siren::refusal(answers.siren); !wrong.isEmpty())
        return wrong;
    if (!answers.start.isValid() || !answers.end.isValid())
        return QStringLiteral("Les dates de début et de fin du premier exercice manquent.");
    if (answers.end < answers.start)
        return QStringLiteral("La fin de l'exercice (%1) précède son début (%2).")
            .arg(forms::formatDate(answers.end), forms::formatDate(answers.start));
    if (answers.end >= answers.start.addMonths(kLongestFirstYear))
        return QStringLiteral("Un premier exercice dure au plus %1 mois : du %2 au %3, il les dépasse.")
            .arg(kLongestFirstYear)
            .arg(forms::formatDate(answers.start), forms::formatDate(answers.end));
    if (QFileInfo(answers.dossier).fileName().isEmpty())
        return QStringLiteral("Le nom du fichier du dossier manque.");
    if (QFileInfo::exists(answers.dossier))
        return QStringLiteral("Le fichier %1 existe déjà : la comptabilité n'a pas été créée.")
            .arg(QDir::toNativeSeparators(answers.dossier));
    return {};
}

QStringList chartLines(Chart chart)
{
    if (chart == Chart::Empty)
        return {};
    struct Account {
        qsizetype digits;
        QString label;
    };
    std::map<QString, Account> accounts;
    for (const QString &line : generalChart()) {
        const qsizetype separator = line.indexOf(u';');
        const QString number = line.left(separator);
        const QString code = forms::completeAccount(number);
        if (chart == Chart::Abridged && number.size() > kAbridgedDigits && !isGuideAccount(code))
            continue;
        const Account account{number.size(), line.mid(separator + 1).trimmed()};
        auto [place, added] = accounts.try_emplace(code, account);
        if (!added && place->second.digits < account.digits)
            place->second = account;
    }
    // The map's order is the chart file's: six digits each.
    QStringList lines;
    for (const auto &[code, account] : accounts)
        lines.append(code + (isPointable(code) ? QStringLiteral(" NO ") : QStringLiteral(" NN ")) + account.label);
    return lines;
}

ReferenceData referenceData(const Answers &answers)
{
    ReferenceData ref;
    QStringList letterhead{answers.company.trimmed()};
    for (const QString &line : answers.address.mid(0, kAddressLines))
        if (!line.trimmed().isEmpty())
            letterhead.append(line.trimmed());
    letterhead.append(QStringLiteral("SIREN %1").arg(answers.siren));
    for (qsizetype i = 0; i < letterhead.size(); ++i)
        ref.Societe[std::size_t(i)] = forms::singleLine(letterhead[i]);
    ref.ListePlc = chartLines(answers.chart);
    ref.PlanModifie = true;
    ref.ListeJnx = kJournals;
    // The new dossier opens by itself at the next start.
    ref.OuvrirAuto = 1;
    ref.JournalVente = kSales.journal;
    ref.CompteClient = kSales.party;
    ref.CompteVente = kSales.goods;
    ref.CompteTvaVente = kSales.vat;
    ref.JournalAchat = kPurchases.journal;
    ref.CompteFour = kPurchases.party;
    ref.CompteAchat = kPurchases.goods;
    ref.CompteTvaAchat = kPurchases.vat;
    return ref;
}

QStringList existingReferenceFiles(const QDir &dir)
{
    // Read as the program reads them: a file that cannot be read holds
    // something all the same.
    ReferenceData ref;
    QString lastFile;
    reference::ChargeSoc(dir, ref);
    reference::ChargePlc(dir, ref);
    reference::ChargeCombo(dir, ref);
    reference::ChargeIni(dir, ref, lastFile);
    const auto filled = [](const QString &text) { return !text.isEmpty(); };
    const bool company = std::any_of(ref.Societe.begin(), ref.Societe.end(), filled);
    const QString guides[] = {ref.JournalVente, ref.CompteClient, ref.CompteVente, ref.CompteTvaVente,
                              ref.JournalAchat, ref.CompteFour,   ref.CompteAchat, ref.CompteTvaAchat};
    const bool settings =
        ref.OuvrirAuto != 0 || ref.ReelIni != 0.0 || std::any_of(std::begin(guides), std::end(guides), filled);
    const std::pair<QString, bool> files[] = {
        {dir.filePath(reference::kCompanyFile), company || ref.unread.company},
        {dir.filePath(reference::kChartFile), !ref.ListePlc.isEmpty() || ref.unread.chart},
        {reference::journalsPath(dir), !ref.ListeJnx.isEmpty() || ref.unread.cbx},
        {dir.filePath(reference::kIniFile), settings || ref.unread.ini}};
    QStringList holding;
    for (const auto &[path, holds] : files)
        if (holds)
            holding.append(QDir::toNativeSeparators(path));
    return holding;
}

QString replaceQuestion(const QStringList &files)
{
    return QStringLiteral("Ces fichiers contiennent déjà des données, qui seront remplacées : %1. Continuer ?")
        .arg(files.join(QStringLiteral(", ")));
}

QString write(const QDir &dir, const Answers &answers)
{
    LineList lines;
    header::write(lines, FiscalYear{answers.start, answers.end, answers.start});
    const QString why = fileio::writeAtomically(answers.dossier, ledgerfile::serialize(lines), fileio::NamedBy::User);
    if (!why.isEmpty())
        return fileio::saveFailedMessage(answers.dossier, why);
    const ReferenceData ref = referenceData(answers);
    Preferences preferences;
    const std::function<QString()> steps[] = {
        [&] { return reference::SauveSoc(dir, ref); },
        [&] { return reference::SauvePlc(dir, ref); },
        [&] { return reference::SauveCombo(dir, ref); },
        [&] { return reference::SauveIni(dir, ref, answers.dossier); },
        [&] { return preferences.load(dir); },
    };
    for (const std::function<QString()> &step : steps)
        if (const QString message = step(); !message.isEmpty())
            return message;
    preferences.setValue(siren::kSettingKey, answers.siren);
    return preferences.save(dir);
}

} // namespace newbooks
