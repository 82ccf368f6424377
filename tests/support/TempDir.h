#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <string_view>

// A temporary folder made the current folder for the test's lifetime, where
// the reference files are read and written.
class CurrentTempDir {
public:
    CurrentTempDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~CurrentTempDir() { QDir::setCurrent(previous_); }
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

// The files a folder holds, hidden ones and FIFOs included, by name: what a
// save leaves behind.
inline QStringList folderContents(const QString &path)
{
    return QDir(path).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

inline void writeBytes(const QString &path, std::string_view bytes)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes.data(), qint64(bytes.size()));
}

inline std::string readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray all = f.readAll();
    return std::string(all.constData(), std::size_t(all.size()));
}
