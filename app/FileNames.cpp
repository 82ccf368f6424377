#include "app/FileNames.h"

namespace filenames {

bool isLedgerName(const QString &path)
{
    return path.right(4).toUpper() == QStringLiteral(".JNL");
}

QString forceLedgerExtension(const QString &path)
{
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.indexOf(u'.', nameStart + 1);
    return (dot < 0 ? path : path.left(dot)) + QStringLiteral(".jnl");
}

QString withoutFolder(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

} // namespace filenames
