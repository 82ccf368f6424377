#include "entry/ChartLines.h"

#include "ledger/ReferenceData.h"

namespace chartlines {
namespace {

// Position of the used flag: right after the space that ends the code.
qsizetype flagPosition(const QString &line)
{
    const qsizetype space = line.indexOf(u' ');
    return space < 0 ? line.size() + 1 : space + 1;
}

} // namespace

qsizetype findAccount(const QStringList &chart, const QString &code)
{
    for (qsizetype i = 0; i < chart.size(); ++i)
        if (QStringView(chart[i]).left(6) == code)
            return i;
    return npos;
}

qsizetype findByCode(const QStringList &lines, const QString &code)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (reference::lineCode(lines[i]) == code)
            return i;
    return npos;
}

qsizetype findStartingWith(const QStringList &chart, const QString &text)
{
    if (text.isEmpty())
        return npos;
    for (qsizetype i = 0; i < chart.size(); ++i)
        if (chart[i].startsWith(text))
            return i;
    return npos;
}

bool isUsed(const QString &line)
{
    const qsizetype flag = flagPosition(line);
    return flag < line.size() && line[flag] == u'O';
}

QString markUsed(const QString &line)
{
    const qsizetype flag = flagPosition(line);
    const QString code = line.left(flag - 1);
    return code + QStringLiteral(" O") + line.mid(flag + 1);
}

bool markAccountUsed(QStringList &chart, const QString &code)
{
    const qsizetype found = findAccount(chart, code);
    if (found == npos || isUsed(chart[found]))
        return false;
    chart[found] = markUsed(chart[found]);
    return true;
}

void markJournalUsed(QStringList &journals, const QString &code)
{
    const qsizetype found = findByCode(journals, code);
    if (found != npos)
        journals[found] = markUsed(journals[found]);
}

bool isPointable(const QString &line)
{
    const QString flags = line.mid(reference::lineCode(line).size()).trimmed();
    return flags.size() >= 2 && flags[1] == u'O';
}

QString accountLabel(const QString &line)
{
    return line.mid(flagPosition(line) + 2).trimmed();
}

QString journalName(const QString &line)
{
    return line.mid(flagPosition(line) + 1).trimmed();
}

} // namespace chartlines
