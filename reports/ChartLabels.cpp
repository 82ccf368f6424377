#include "reports/ChartLabels.h"

#include "ledger/ReferenceData.h"

namespace reports {
namespace {

// The text of the first line that begins with the code, `after` characters
// past the line's own code: an account keyed shorter than the chart line it
// falls on ("4110" on "411000 NN Clients") must not show the line's flags.
QString textAfterPrefix(const QStringList &lines, const QString &code, qsizetype after)
{
    for (const QString &line : lines)
        if (line.startsWith(code))
            return line.mid(reference::lineCode(line).size() + after).trimmed();
    return {};
}

} // namespace

QString journalName(const QStringList &listeJnx, const QString &code)
{
    if (code.isEmpty())
        return {};
    return textAfterPrefix(listeJnx, code, 2);
}

QString accountLabel(const QStringList &listePlc, const QString &account)
{
    if (account.isEmpty())
        return {};
    return textAfterPrefix(listePlc, account, 3);
}

} // namespace reports
