#include "ledger/FileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>

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
    posixfiles::Status first, second;
    return posixfiles::statusOf(QFile::encodeName(a).toStdString(), first) == 0
           && posixfiles::statusOf(QFile::encodeName(b).toStdString(), second) == 0 && first.sameFileAs(second);
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
    if (QFileInfo(path).isFile() && readWhole(path, onDisk, NamedBy::Program).isEmpty() && onDisk == bytes)
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

QString readWhole(const QString &path, std::string &out, NamedBy namedBy)
{
    using Kind = posixfiles::Status::Kind;
    out.clear();
    posixfiles::Descriptor file;
    if (const int error = posixfiles::openForReading(QFile::encodeName(path).toStdString(), file))
        return reason(error);
    posixfiles::Status st;
    if (const int error = posixfiles::status(file, st))
        return reason(error);
    if (st.kind == Kind::Folder)
        return reason(EISDIR);
    if (st.kind == Kind::Other || (st.kind == Kind::Fifo && namedBy == NamedBy::Program))
        return notRegularReason();
    if (const int error = posixfiles::setBlocking(file))
        return reason(error);
    if (st.size > kMaxFileSize)
        return QStringLiteral("le fichier est trop volumineux");
    // Room for the file and the first check that it did not grow: growing
    // a string past its room copies it, twice its size in memory at once.
    out.reserve(std::size_t(st.size) + 65536);
    const int error = posixfiles::readAll(file, out, std::size_t(kMaxFileSize));
    if (error == E2BIG)
        return QStringLiteral("le fichier est trop volumineux");
    return error ? reason(error) : QString();
}

QString readUtf8Lines(const QString &path, QStringList &lines)
{
    lines.clear();
    std::string bytes;
    const QString why = readWhole(path, bytes, NamedBy::Program);
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
