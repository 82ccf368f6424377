#include "ledger/FileIO.h"

#include "ledger/Codec1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {
namespace {
// How much more than its size a file is read for at a time.
constexpr std::size_t kGrowth = 65536;
} // namespace

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
    case ELOOP: return QStringLiteral("trop de liens symboliques à suivre");
    case EMFILE:
    case ENFILE: return QStringLiteral("trop de fichiers ouverts");
    case ENOMEM: return QStringLiteral("mémoire insuffisante");
    default: return QStringLiteral("erreur système n° %1").arg(error);
    }
}

QString writeProtectedReason()
{
    return QStringLiteral("le fichier est protégé en écriture");
}

QString notRegularReason()
{
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

QString foreignLinkReason()
{
    return QStringLiteral("c'est un lien symbolique d'un autre utilisateur");
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 && ::stat(QFile::encodeName(b).constData(), &second) == 0
           && first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

QString saveFailedMessage(const QString &path, const QString &why)
{
    if (why == writeProtectedReason())
        return QStringLiteral("Le fichier %1 est protégé en écriture").arg(QDir::toNativeSeparators(path));
    if (why == notRegularReason())
        return QStringLiteral("%1 n'est pas un fichier ordinaire").arg(QDir::toNativeSeparators(path));
    return QStringLiteral("Impossible d'enregistrer le fichier %1 : %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

QString saveIfChanged(const QString &path, std::string_view bytes)
{
    std::string onDisk;
    if (QFileInfo(path).isFile() && readWhole(path, onDisk).isEmpty() && onDisk == bytes)
        return {};
    const QString why = writeAtomically(path, bytes);
    return why.isEmpty() ? QString() : saveFailedMessage(path, why);
}

QString readFailedMessage(const QString &path, const QString &why)
{
    return QStringLiteral("Impossible de lire le fichier %1 : %2.")
        .arg(QDir::toNativeSeparators(path), why);
}

QString backupFailedMessage(const QString &backup, const QString &why)
{
    return QStringLiteral("Le fichier a été enregistré, mais sa version précédente n'a pas pu être gardée dans %1 : %2.")
        .arg(QDir::toNativeSeparators(backup), why);
}

QString readWhole(const QString &path, std::string &out)
{
    out.clear();
    const QByteArray native = QFile::encodeName(path);
    // Opened without waiting: a FIFO that no program writes to then reads as
    // empty instead of holding the program for ever (one being written, a
    // pipe from a script, reads as usual once the flag is cleared).
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
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
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode) || S_ISSOCK(st.st_mode)) {
        ::close(fd);
        return notRegularReason();
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (st.st_size > kMaxFileSize) {
        ::close(fd);
        return QStringLiteral("le fichier est trop volumineux");
    }
    // Room for the file and the first check that it did not grow: growing
    // a string past its room copies it, twice its size in memory at once.
    out.reserve(std::size_t(st.st_size) + kGrowth);
    out.resize(std::size_t(st.st_size));
    std::size_t done = 0;
    for (;;) {
        if (done == out.size())
            out.resize(out.size() + kGrowth); // the file may have grown since fstat
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

QString readUtf8Lines(const QString &path, QStringList &lines)
{
    lines.clear();
    std::string bytes;
    const QString why = readWhole(path, bytes);
    if (!why.isEmpty())
        return why;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (utf8.hasError())
        return QStringLiteral("le texte n'est pas en UTF-8");
    lines = text.split(u'\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    for (QString &line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return {};
}

} // namespace fileio
