#include "app/RecentDossiers.h"

#include "ledger/FileIO.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString RecentDossiers::userFile()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Tavelin/derniers-dossiers"));
}

QStringList RecentDossiers::stored() const
{
    QStringList lines;
    // An unreadable list is as good as none: it is written anew at the next opening.
    if (file_.isEmpty() || !QFileInfo(file_).isFile() || !fileio::readUtf8Lines(file_, lines).isEmpty())
        return {};
    return lines;
}

QStringList RecentDossiers::paths() const
{
    QStringList existing;
    for (const QString &path : stored())
        if (QFileInfo(path).isFile())
            existing.append(path);
    return existing;
}

QString RecentDossiers::add(const QString &path) const
{
    if (file_.isEmpty())
        return {};
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList paths = stored();
    paths.removeAll(absolute);
    paths.prepend(absolute);
    std::string bytes;
    for (const QString &p : paths.mid(0, kKept))
        bytes += p.toStdString() + '\n';
    QDir().mkpath(QFileInfo(file_).absolutePath());
    return fileio::saveIfChanged(file_, bytes);
}
