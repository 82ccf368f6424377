#include "ledger/DossierLock.h"

#include "ledger/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace dossierlock {
namespace {

QString userName()
{
    if (const passwd *user = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(user->pw_name);
    return QString::number(::geteuid());
}

std::optional<LockOwner> readLock(const QString &dossier)
{
    std::string bytes;
    if (!fileio::readWhole(lockPath(dossier), bytes).isEmpty())
        return std::nullopt;
    const QStringList lines = QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).split(u'\n');
    if (lines.size() < 4)
        return std::nullopt;
    LockOwner owner{lines[0], lines[1], lines[2].toLongLong(), QDateTime::fromString(lines[3], Qt::ISODate)};
    return owner;
}

bool isThisSession(const LockOwner &owner)
{
    return owner.machine == QSysInfo::machineHostName() && owner.pid == ::getpid();
}

bool isLive(const LockOwner &owner)
{
    if (owner.machine != QSysInfo::machineHostName())
        return true;
    if (owner.pid <= 0)
        return false;
    return ::kill(pid_t(owner.pid), 0) == 0 || errno == EPERM;
}

} // namespace

QString lockPath(const QString &dossier)
{
    const QFileInfo info(dossier);
    return info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".verrou"));
}

std::optional<LockOwner> heldByOther(const QString &dossier)
{
    const std::optional<LockOwner> owner = readLock(dossier);
    if (!owner || isThisSession(*owner) || !isLive(*owner))
        return std::nullopt;
    return owner;
}

QString alreadyOpenMessage(const LockOwner &owner)
{
    return QStringLiteral("Ce dossier est déjà ouvert par %1 sur %2 depuis %3")
        .arg(owner.user, owner.machine, owner.since.toString(QStringLiteral("HH:mm")));
}

} // namespace dossierlock

bool DossierLock::take(const QString &dossier, const QDateTime &since)
{
    release();
    const QString text = QStringList{dossierlock::userName(), QSysInfo::machineHostName(),
                                     QString::number(::getpid()), since.toString(Qt::ISODate)}
                             .join(u'\n') + u'\n';
    const QByteArray bytes = text.toUtf8();
    if (!fileio::writeAtomically(dossierlock::lockPath(dossier), std::string_view(bytes.constData(), std::size_t(bytes.size())))
             .isEmpty())
        return false;
    dossier_ = dossier;
    return true;
}

void DossierLock::release()
{
    if (dossier_.isEmpty())
        return;
    const std::optional<LockOwner> owner = dossierlock::readLock(dossier_);
    if (owner && dossierlock::isThisSession(*owner))
        QFile::remove(dossierlock::lockPath(dossier_));
    dossier_.clear();
}
