#include "desk/Notepad.h"

#include "desk/ToolFile.h"
#include "ledger/LineFile.h"

#include <QDir>

namespace notepad {

QString path(const QString &startFolder)
{
    return QDir::cleanPath(QDir(startFolder).filePath(kFileName));
}

QStringList lines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    return unified.split(u'\n');
}

QString Charge(const QString &path, QString &text)
{
    QStringList read;
    const QString message = linefile::read(path, read);
    if (message.isEmpty())
        text = read.join(u'\n');
    return message;
}

QString Sauve(const QString &path, const QString &text)
{
    return linefile::write(path, lines(text));
}

} // namespace notepad
