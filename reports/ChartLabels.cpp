#include "reports/ChartLabels.h"

namespace reports {
namespace {

QString textAfterPrefix(const CodeList &list, const QString &code, qsizetype from)
{
    const qsizetype found = list.findStartingWith(code);
    return found == CodeList::npos ? QString() : list[found].mid(from).trimmed();
}

} // namespace

QString journalName(const CodeList &listeJnx, const QString &code)
{
    return textAfterPrefix(listeJnx, code, code.size() + 2);
}

QString accountLabel(const CodeList &listePlc, const QString &account)
{
    return textAfterPrefix(listePlc, account, account.size() + 3);
}

} // namespace reports
