#include "bank/CheckOffRecord.h"

#include "ledger/Codec1252.h"
#include "ledger/FileIO.h"

#include <QRegularExpression>

namespace bank {

QString checkOffRecordPath(const QString &dossier)
{
    return dossier + QStringLiteral(".pointages");
}

std::string checkOffText(const std::vector<CheckOff> &checkOffs)
{
    std::string bytes;
    for (const CheckOff &c : checkOffs) {
        const QStringList fields{forms::singleLine(c.account),
                                 forms::formatDate(c.entryDate),
                                 forms::singleLine(c.entryLabel).replace(u'\t', u' '),
                                 forms::formatAmount(c.amount).trimmed(),
                                 forms::formatDate(c.line.periodStart),
                                 forms::formatDate(c.line.periodEnd),
                                 forms::formatDate(c.line.date),
                                 forms::singleLine(c.line.label).replace(u'\t', u' ')};
        cp1252::encodeAppend(bytes, fields.join(u'\t'));
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<CheckOff> parseCheckOffs(const QString &text)
{
    std::vector<CheckOff> checkOffs;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
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

QString loadCheckOffs(const QString &dossier, std::vector<CheckOff> &out)
{
    QString text;
    const QString failure = fileio::readOwnCp1252File(checkOffRecordPath(dossier), text);
    if (failure.isEmpty() && !text.isEmpty())
        out = parseCheckOffs(text);
    return failure;
}

QString saveCheckOffs(const QString &dossier, const std::vector<CheckOff> &checkOffs)
{
    const QString path = checkOffRecordPath(dossier);
    const QString why = fileio::writeAtomically(path, checkOffText(checkOffs), fileio::NamedBy::Program);
    return why.isEmpty() ? QString() : fileio::saveFailedMessage(path, why);
}

} // namespace bank
