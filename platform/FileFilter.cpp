#include "platform/FileFilter.h"

namespace filefilter {
namespace {

struct Pair {
    QString description;
    QStringList patterns;
};

QList<Pair> pairsOf(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QList<Pair> pairs;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString &p : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            if (!p.trimmed().isEmpty())
                patterns.append(p.trimmed());
        if (!patterns.isEmpty())
            pairs.append({parts[i].trimmed(), patterns});
    }
    return pairs;
}

} // namespace

QStringList nameFilters(const QString &filter)
{
    QStringList out;
    for (const Pair &pair : pairsOf(filter)) {
        const QString patterns = pair.patterns.join(u' ');
        // Qt reads the patterns from the last parentheses of the text: the
        // description may already show them, as in "Fichiers compta (*.jnl)".
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        if (pair.description.endsWith(shown))
            out.append(pair.description);
        else if (pair.description.isEmpty())
            out.append(shown);
        else
            out.append(pair.description + u' ' + shown);
    }
    return out;
}

} // namespace filefilter
