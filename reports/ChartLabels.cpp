#include "reports/ChartLabels.h"

namespace reports {
namespace {

QString textAfterPrefix(const QStringList &lines, const QString &code, qsizetype from)
{
    for (const QString &line : lines)
        if (line.startsWith(code))
            return line.mid(from).trimmed();
    return {};
}

} // namespace

QString journalName(const QStringList &listeJnx, const QString &code)
{
    if (code.isEmpty())
        return {};
    return textAfterPrefix(listeJnx, code, code.size() + 2);
}

QString accountLabel(const QStringList &listePlc, const QString &account)
{
    if (account.isEmpty())
        return {};
    return textAfterPrefix(listePlc, account, account.size() + 3);
}

} // namespace reports
