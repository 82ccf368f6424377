#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>

bool DiskFileSystem::exists(const QString &path) const
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString DiskFileSystem::currentFolder() const
{
    return QDir::currentPath();
}

bool DiskFileSystem::setCurrentFolder(const QString &path)
{
    return QDir::setCurrent(path);
}
