#include "bank/Statement.h"

#include <algorithm>

namespace bank {
namespace {

QDate extremeDate(const std::vector<StatementLine> &lines, bool latest)
{
    QDate found;
    for (const StatementLine &line : lines)
        if (!found.isValid() || (latest ? line.date > found : line.date < found))
            found = line.date;
    return found;
}

} // namespace

QDate Statement::periodStart() const
{
    return start ? *start : extremeDate(lines, false);
}

QDate Statement::periodEnd() const
{
    return end ? *end : extremeDate(lines, true);
}

} // namespace bank
