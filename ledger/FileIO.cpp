#include "ledger/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {

QString reason(int error)
{
    switch (error) {
    case ENOSPC: return QStringLiteral("le disque est plein");
    case EDQUOT: return QStringLiteral("le quota de disque est dépassé");
    case EFBIG: return QStringLiteral("le fichier dépasse la taille permise");
    case EACCES:
    case EPERM: return QStringLiteral("accès refusé");
    case EROFS: return QStringLiteral("le support est en lecture seule");
    case ENOENT: return QStringLiteral("fichier ou dossier introuvable");
    case ENOTDIR: return QStringLiteral("un élément du chemin n'est pas un dossier");
    case EISDIR: return QStringLiteral("le chemin désigne un dossier");
    case EIO: return QStringLiteral("erreur d'entrée-sortie sur le disque");
    case ENAMETOOLONG: return QStringLiteral("nom de fichier trop long");
    case EMFILE:
    case ENFILE: return QStringLiteral("trop de fichiers ouverts");
    case ENOMEM: return QStringLiteral("mémoire insuffisante");
    default: return QStringLiteral("erreur système n° %1").arg(error);
    }
}

QString saveFailedMessage(const QString &path, const QString &why)
{
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

QString readFailedMessage(const QString &path, const QString &why)
{
    return QStringLiteral("Impossible de lire le fichier %1 : %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

QString readWhole(const QString &path, std::string &out)
{
    out.clear();
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return reason(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int e = errno;
        ::close(fd);
        return reason(e);
    }
    if (S_ISDIR(st.st_mode)) {
        ::close(fd);
        return reason(EISDIR);
    }
    if (st.st_size > kMaxFileSize) {
        ::close(fd);
        return QStringLiteral("le fichier est trop volumineux");
    }
    out.resize(std::size_t(st.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size())
            out.resize(out.size() + 65536); // the file may have grown since fstat
        const ssize_t n = ::read(fd, out.data() + done, out.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            out.clear();
            return reason(e);
        }
        if (n == 0)
            break;
        done += std::size_t(n);
        if (qint64(done) > kMaxFileSize) {
            ::close(fd);
            out.clear();
            return QStringLiteral("le fichier est trop volumineux");
        }
    }
    out.resize(done);
    ::close(fd);
    return {};
}

QString writeAtomically(const QString &path, std::string_view bytes)
{
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    QByteArray pattern = QFile::encodeName(dir + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd < 0)
        return reason(errno);

    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(pattern.constData());
        return reason(error);
    };

    // Keep the permissions of the file being replaced; a new file gets the
    // usual ones (0666 less the umask) rather than mkstemp's private 0600.
    struct stat old {};
    mode_t mode;
    if (::stat(QFile::encodeName(path).constData(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return fail(errno);

    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        if (n == 0)
            return fail(ENOSPC);
        done += std::size_t(n);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int e = errno;
        ::unlink(pattern.constData());
        return reason(e);
    }
    if (::rename(pattern.constData(), QFile::encodeName(path).constData()) != 0) {
        const int e = errno;
        ::unlink(pattern.constData());
        return reason(e);
    }
    return {};
}

} // namespace fileio
