#pragma once

#include <QString>

// What the logic asks of the file system besides reading and writing files.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual bool exists(const QString &path) const = 0;
    // The folder relative file names are taken from.
    virtual QString currentFolder() const = 0;
    // False when the folder cannot be entered; the current one then stays.
    virtual bool setCurrentFolder(const QString &path) = 0;
};

class DiskFileSystem final : public FileSystem {
public:
    bool exists(const QString &path) const override;
    QString currentFolder() const override;
    bool setCurrentFolder(const QString &path) override;
};
