#include "einvoice/VoucherFiles.h"

#include "ledger/FileIO.h"
#include "platform/PosixFiles.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace einvoice {
namespace {

// Opens the folder `name` inside `parent`, made first when there is none; a
// link standing at its name is refused, whoever owns it: the copy must land
// beside the dossier, nowhere else. The French reason when it cannot.
QString enterFolder(posixfiles::Descriptor &parent, const QString &parentPath, const QString &name)
{
    const std::string native = QFile::encodeName(name).toStdString();
    const QString path = QDir(parentPath).filePath(name);
    posixfiles::Descriptor folder;
    int error = posixfiles::openIn(parent, native, posixfiles::Open::Folder, folder);
    if (error == ENOENT) {
        QDir(parentPath).mkdir(name);
        error = posixfiles::openIn(parent, native, posixfiles::Open::Folder, folder);
    }
    if (error == ELOOP || error == ENOTDIR) {
        posixfiles::Descriptor handle;
        posixfiles::Status status;
        const bool link = posixfiles::openIn(parent, native, posixfiles::Open::Handle, handle) == 0 &&
                          posixfiles::status(handle, status) == 0 && status.kind == posixfiles::Status::Kind::Link;
        return link ? QStringLiteral("%1 est un lien symbolique : la pièce n'y est pas copiée").arg(path)
                    : QStringLiteral("%1 n'est pas un dossier").arg(path);
    }
    if (error != 0)
        return QStringLiteral("le dossier %1 ne peut pas être ouvert ni créé : %2").arg(path, fileio::reason(error));
    parent = std::move(folder);
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
    const QString pieces = QFileInfo(month).path();
    const QString home = QFileInfo(pieces).path();
    posixfiles::Descriptor folder;
    if (const int error = posixfiles::openFolder(QFile::encodeName(home).toStdString(), folder); error != 0)
        return {{}, QStringLiteral("le dossier %1 ne peut pas être ouvert : %2").arg(home, fileio::reason(error))};
    if (const QString failed = enterFolder(folder, home, QFileInfo(pieces).fileName()); !failed.isEmpty())
        return {{}, failed};
    if (const QString failed = enterFolder(folder, pieces, QFileInfo(month).fileName()); !failed.isEmpty())
        return {{}, failed};
    std::string bytes;
    if (const QString failed = fileio::readWhole(invoicePath, bytes); !failed.isEmpty())
        return {{}, fileio::readFailedMessage(invoicePath, failed)};
    const QFileInfo source(invoicePath);
    for (int number = 1; number < 10'000; ++number) {
        const QString name = candidate(source, number);
        const std::string native = QFile::encodeName(name).toStdString();
        const QString path = QDir(month).filePath(name);
        posixfiles::Descriptor copy;
        int error = posixfiles::createIn(folder, native, posixfiles::newFileMode(), copy);
        if (error == EEXIST)
            continue;
        if (error == 0 && (error = posixfiles::write(copy, bytes)) == 0)
            error = posixfiles::sync(copy);
        if (error != 0) {
            if (copy.valid())
                posixfiles::remove(folder, native);
            return {{}, fileio::saveFailedMessage(path, fileio::reason(error))};
        }
        return {path, {}};
    }
    return {{}, QStringLiteral("le dossier %1 a déjà trop de pièces de ce nom").arg(month)};
}

} // namespace einvoice
