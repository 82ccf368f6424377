#include "ledger/ValidationRegister.h"

#include "ledger/FileIO.h"
#include "ledger/TextForms.h"

#include <QFileInfo>
#include <algorithm>

namespace {

const QString kClosingWord = QStringLiteral("Clôture ");

bool holds(const Validations &records, const Validation &record)
{
    return std::find(records.begin(), records.end(), record) != records.end();
}

// The record whose fingerprint a month line names; null when none is.
Validation *recordOf(Validations &records, const std::string &fingerprint)
{
    const auto it = std::find_if(records.begin(), records.end(),
                                 [&fingerprint](const Validation &r) { return r.readable() && r.fingerprint == fingerprint; });
    return it == records.end() ? nullptr : &*it;
}

bool closedBy(const FiscalYear &year, QDate closing)
{
    return year.closing > year.start && year.closing >= closing;
}

QString removed(const QString &what)
{
    return QStringLiteral("Validation supprimée ou modifiée hors de Tavelin : %1.").arg(what);
}

} // namespace

QString ValidationRegister::load(const QDir &dir)
{
    const QString path = dir.filePath(kFileName);
    dossiers_.clear();
    unread_ = false;
    if (!QFileInfo(path).isFile())
        return {};
    QStringList lines;
    if (const QString why = fileio::readUtf8Lines(path, lines); !why.isEmpty()) {
        unread_ = true;
        return fileio::readFailedMessage(path, why);
    }
    std::vector<std::pair<Known *, std::pair<std::string, MonthPrint>>> months;
    for (const QString &line : lines) {
        const qsizetype tab = line.indexOf(u'\t');
        if (tab <= 0)
            continue;
        Known &known = dossiers_[line.left(tab).toStdString()];
        const QString fact = line.mid(tab + 1);
        if (fact.startsWith(kClosingWord)) {
            known.closing = std::max(known.closing, forms::parseDate(fact.mid(kClosingWord.size())));
        } else if (auto month = validation::readMonthLine(fact.toStdString())) {
            months.emplace_back(&known, std::move(*month));
        } else {
            const Validation record = validation::readRecord(fact.toStdString());
            if (record.readable())
                known.records.push_back(record);
        }
    }
    for (auto &[known, month] : months)
        if (Validation *record = recordOf(known->records, month.first))
            record->months.push_back(std::move(month.second));
    return {};
}

QString ValidationRegister::save(const QDir &dir) const
{
    if (unread_)
        return {};
    std::string bytes;
    for (const auto &[id, known] : dossiers_) {
        for (const Validation &record : known.records) {
            bytes += id + '\t' + validation::recordLine(record) + '\n';
            for (const MonthPrint &month : record.months)
                bytes += id + '\t' + validation::monthLine(record, month) + '\n';
        }
        if (known.closing.isValid())
            bytes += id + '\t' + (kClosingWord + forms::formatDate(known.closing)).toStdString() + '\n';
    }
    return fileio::saveIfChanged(dir.filePath(kFileName), bytes);
}

void ValidationRegister::record(const FiscalYear &year)
{
    if (year.dossierId.empty())
        return;
    Known &known = dossiers_[year.dossierId];
    for (const Validation &record : year.validations) {
        if (!record.readable())
            continue;
        if (!holds(known.records, record))
            known.records.push_back(record);
        else if (Validation *kept = recordOf(known.records, record.fingerprint); kept->months.empty())
            kept->months = record.months;
    }
    if (year.closing > year.start)
        known.closing = std::max(known.closing, year.closing);
}

const ValidationRegister::Known *ValidationRegister::find(const FiscalYear &year) const
{
    const auto it = dossiers_.find(year.dossierId);
    return year.dossierId.empty() || it == dossiers_.end() ? nullptr : &it->second;
}

QStringList ValidationRegister::discrepancies(const FiscalYear &year) const
{
    QStringList lines;
    const Known *known = find(year);
    if (!known)
        return lines;
    for (const Validation &record : known->records)
        if (!holds(year.validations, record))
            lines.append(removed(QStringLiteral("validation du %1 jusqu'au %2")
                                     .arg(forms::formatDate(record.doneOn), forms::formatDate(record.upTo))));
    if (known->closing.isValid() && !closedBy(year, known->closing))
        lines.append(removed(QStringLiteral("clôture définitive au %1").arg(forms::formatDate(known->closing))));
    return lines;
}

void ValidationRegister::restore(FiscalYear &year) const
{
    const Known *known = find(year);
    if (!known)
        return;
    for (const Validation &record : known->records)
        if (!holds(year.validations, record))
            year.validations.push_back(record);
    std::stable_sort(year.validations.begin(), year.validations.end(),
                     [](const Validation &a, const Validation &b) { return a.upTo < b.upTo; });
    if (known->closing.isValid() && !closedBy(year, known->closing))
        year.closing = known->closing;
}

void ValidationRegister::giveMonths(FiscalYear &year) const
{
    const Known *known = find(year);
    if (!known)
        return;
    for (Validation &record : year.validations)
        if (const auto it = std::find(known->records.begin(), known->records.end(), record);
            record.months.empty() && it != known->records.end())
            record.months = it->months;
}
