#include "einvoice/VoucherFiles.h"

#include "ledger/FileIO.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace einvoice {
namespace {

// Makes the folder unless it exists; a link standing at its name is refused,
// whoever owns it: the copy must land beside the dossier, nowhere else.
QString makeFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat status;
    if (::lstat(native.constData(), &status) == 0) {
        if (S_ISLNK(status.st_mode))
            return QStringLiteral("%1 est un lien symbolique : la pièce n'y est pas copiée").arg(path);
        if (!S_ISDIR(status.st_mode))
            return QStringLiteral("%1 n'est pas un dossier").arg(path);
        return {};
    }
    if (::mkdir(native.constData(), 0755) != 0 && errno != EEXIST)
        return QStringLiteral("le dossier %1 ne peut pas être créé : %2").arg(path, fileio::reason(errno));
    return {};
}

// "facture.pdf", "facture-2.pdf", "facture-3.pdf"...
QString candidate(const QFileInfo &source, int number)
{
    if (number == 1)
        return source.fileName();
    const QString suffix = source.suffix();
    const QString base = suffix.isEmpty() ? source.fileName() : source.completeBaseName();
    return base + u'-' + QString::number(number) + (suffix.isEmpty() ? QString() : u'.' + suffix);
}

} // namespace

QString voucherFolder(const QString &dossierPath, QDate date)
{
    const QFileInfo dossier(dossierPath);
    return dossier.dir().filePath(dossier.completeBaseName() + QStringLiteral(".pieces/") + date.toString(QStringLiteral("yyyy-MM")));
}

KeptVoucher keepVoucherFile(const QString &invoicePath, const QString &dossierPath, QDate date)
{
    if (dossierPath.isEmpty())
        return {{}, QStringLiteral("le dossier n'a pas encore de nom : la pièce n'est pas gardée")};
    const QString month = voucherFolder(dossierPath, date);
    for (const QString &folder : {QFileInfo(month).path(), month})
        if (const QString failed = makeFolder(folder); !failed.isEmpty())
            return {{}, failed};
    std::string bytes;
    if (const QString failed = fileio::readWhole(invoicePath, bytes); !failed.isEmpty())
        return {{}, fileio::readFailedMessage(invoicePath, failed)};
    const QFileInfo source(invoicePath);
    for (int number = 1; number < 10'000; ++number) {
        const QString path = QDir(month).filePath(candidate(source, number));
        const QByteArray native = QFile::encodeName(path);
        const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return {{}, fileio::saveFailedMessage(path, fileio::reason(errno))};
        int error = 0;
        const bool written = fileio::writeAll(fd, bytes, error) && (::fsync(fd) == 0 || (error = errno, false));
        ::close(fd);
        if (!written) {
            ::unlink(native.constData());
            return {{}, fileio::saveFailedMessage(path, fileio::reason(error))};
        }
        return {path, {}};
    }
    return {{}, QStringLiteral("le dossier %1 a déjà trop de pièces de ce nom").arg(month)};
}

} // namespace einvoice
