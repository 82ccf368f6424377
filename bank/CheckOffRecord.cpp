#include "bank/CheckOffRecord.h"

#include "ledger/FileIO.h"
#include "ledger/LineFile.h"

namespace bank {

QString checkOffRecordPath(const QString &dossier)
{
    return dossier + QStringLiteral(".pointages");
}

namespace {

QStringList checkOffLines(const std::vector<CheckOff> &checkOffs)
{
    QStringList lines;
    for (const CheckOff &c : checkOffs) {
        const QStringList fields{forms::singleLine(c.account),
                                 forms::formatDate(c.entryDate),
                                 forms::singleLine(c.entryLabel).replace(u'\t', u' '),
                                 forms::formatAmount(c.amount).trimmed(),
                                 forms::formatDate(c.line.periodStart),
                                 forms::formatDate(c.line.periodEnd),
                                 forms::formatDate(c.line.date),
                                 forms::singleLine(c.line.label).replace(u'\t', u' ')};
        lines.append(fields.join(u'\t'));
    }
    return lines;
}

std::vector<CheckOff> parseCheckOffs(const QStringList &lines)
{
    std::vector<CheckOff> checkOffs;
    for (const QString &line : lines) {
        const QStringList f = line.split(u'\t');
        if (f.size() != 8)
            continue;
        const std::optional<Cents> amount = forms::parseAmount(QStringView(f[3]));
        const CheckOff c{f[0], forms::parseDate(f[1]), f[2], amount.value_or(0),
                         {forms::parseDate(f[4]), forms::parseDate(f[5]), forms::parseDate(f[6]), f[7]}};
        if (amount && c.entryDate.isValid() && c.line.date.isValid())
            checkOffs.push_back(c);
    }
    return checkOffs;
}

} // namespace

QString loadCheckOffs(const QString &dossier, std::vector<CheckOff> &out)
{
    QStringList lines;
    const QString failure = linefile::read(checkOffRecordPath(dossier), lines);
    if (failure.isEmpty() && !lines.isEmpty())
        out = parseCheckOffs(lines);
    return failure;
}

QString saveCheckOffs(const QString &dossier, const std::vector<CheckOff> &checkOffs)
{
    const QString path = checkOffRecordPath(dossier);
    const QString why = fileio::writeAtomically(path, linefile::encode(checkOffLines(checkOffs)), fileio::NamedBy::Program);
    return why.isEmpty() ? QString() : fileio::saveFailedMessage(path, why);
}

} // namespace bank
