#pragma once

#include <QFileInfo>
#include <QString>

// What the logic asks of the file system besides reading and writing files.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const QString &path) const = 0;
};

class DiskFileSystem final : public FileSystem {
public:
    bool exists(const QString &path) const override
    {
        const QFileInfo info(path);
        return info.exists() && info.isFile();
    }
};
