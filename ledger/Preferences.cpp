#include "ledger/Preferences.h"

#include "ledger/FileIO.h"
#include "ledger/TextForms.h"

#include <QFileInfo>

namespace {

const QString kYes = QStringLiteral("oui");
const QString kNo = QStringLiteral("non");

QString keyOf(const QString &line)
{
    const qsizetype equals = line.indexOf(u'=');
    return equals < 0 ? QString() : line.left(equals).trimmed();
}

std::string bytesOf(const QStringList &lines)
{
    std::string bytes;
    for (const QString &line : lines) {
        bytes += line.toStdString();
        bytes += '\n';
    }
    return bytes;
}

} // namespace

QString Preferences::load(const QDir &dir)
{
    const QString path = dir.filePath(kFileName);
    lines_.clear();
    unread_ = false;
    if (!QFileInfo(path).isFile())
        return {};
    const QString why = fileio::readUtf8Lines(path, lines_);
    if (!why.isEmpty()) {
        unread_ = true;
        return fileio::readFailedMessage(path, why) +
               QStringLiteral(" Les réglages par défaut s'appliquent et le fichier est laissé tel quel.");
    }
    return {};
}

QString Preferences::save(const QDir &dir) const
{
    if (unread_)
        return {};
    return fileio::saveIfChanged(dir.filePath(kFileName), bytesOf(lines_));
}

qsizetype Preferences::lineOf(const QString &key) const
{
    for (qsizetype i = 0; i < lines_.size(); ++i)
        if (keyOf(lines_[i]) == key)
            return i;
    return -1;
}

QString Preferences::value(const QString &key, const QString &fallback) const
{
    const qsizetype i = lineOf(key);
    return i < 0 ? fallback : lines_[i].mid(lines_[i].indexOf(u'=') + 1).trimmed();
}

void Preferences::setValue(const QString &key, const QString &value)
{
    // One setting a line, whatever the value holds.
    const QString line = key + u'=' + forms::singleLine(value);
    const qsizetype i = lineOf(key);
    if (i < 0)
        lines_.append(line);
    else
        lines_[i] = line;
}

bool Preferences::flag(const QString &key, bool fallback) const
{
    const QString text = value(key).toLower();
    return text == kYes ? true : text == kNo ? false : fallback;
}

void Preferences::setFlag(const QString &key, bool on)
{
    setValue(key, on ? kYes : kNo);
}
