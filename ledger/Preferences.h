#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// The settings this version adds, kept apart from the four reference files
// (whose formats stay as they are): "Tavelin.cfg" beside them, one `key=value`
// a line, UTF-8. Reading is lenient: lines that are no setting (blank lines,
// comments, lines without "=") are kept as they are and written back in
// place, as are keys this version does not know, so that a file shared with
// a later version loses nothing.
class Preferences {
public:
    static inline const QString kFileName = QStringLiteral("Tavelin.cfg");

    // Reads the file of the folder; a missing file leaves every setting at its
    // default. Gives back a French message when the file exists but cannot be
    // read; it is then never written back.
    QString load(const QDir &dir);
    // Replaces the file atomically when what it would hold changed. Gives back
    // a French message when the write failed.
    QString save(const QDir &dir) const;

    // The value of a key, trimmed; `fallback` when the file has no such key.
    QString value(const QString &key, const QString &fallback = {}) const;
    void setValue(const QString &key, const QString &value);
    // A yes-or-no setting, written "oui" or "non"; any other value is the fallback.
    bool flag(const QString &key, bool fallback = false) const;
    void setFlag(const QString &key, bool on);

private:
    // The line of a key, or -1.
    qsizetype lineOf(const QString &key) const;

    QStringList lines_;
    bool unread_ = false;
};
