#include "reports/ChartLabels.h"

namespace reports {
namespace {

// The label of the first line that begins with the code, taken past that
// line's own code and flags: an account keyed shorter than the chart line it
// falls on ("4110" on "411000 NN Clients") must not show the line's flags.
QString labelOfPrefix(const CodeList &list, const QString &code)
{
    const qsizetype found = list.findStartingWith(code);
    return found == CodeList::npos ? QString() : list.label(found);
}

} // namespace

QString journalName(const CodeList &journals, const QString &code)
{
    return labelOfPrefix(journals, code);
}

QString accountLabel(const CodeList &chart, const QString &account)
{
    return labelOfPrefix(chart, account);
}

} // namespace reports
