#include "cli/Dossier.h"

#include "document/Fiche.h"
#include "ledger/DossierLock.h"
#include "ledger/FileIO.h"
#include "platform/Messages.h"

#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace cli {

QString whyUnreadable(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fileio::reason(errno);
    struct stat st {};
    const bool directory = ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode);
    ::close(fd);
    return directory ? fileio::reason(EISDIR) : QString();
}

bool lockForSaving(DossierLock &lock, Fiche &fiche, const QString &path)
{
    if (const std::optional<LockOwner> owner = dossierlock::heldByOther(path)) {
        fiche.platform().messages->information(dossierlock::alreadyOpenMessage(*owner));
        return false;
    }
    lock.take(path, QDateTime::currentDateTime());
    return true;
}

bool openDossier(Fiche &fiche, const QString &path)
{
    fiche.ChargePlc();
    fiche.ChargeCombo();
    fiche.InitPlc();
    fiche.InitJnx();
    // The document treats a missing file as "nothing to load" without a word,
    // which suits a window that checked beforehand; here the user must hear why.
    const QString why = whyUnreadable(path);
    if (!why.isEmpty()) {
        fiche.platform().messages->information(fileio::readFailedMessage(path, why));
        return false;
    }
    // Opened from a statement page, as the window allows: there the loading
    // does not move to the year's first or last month, whose reading no
    // command would use, since each chooses its own month or dates.
    fiche.showPage(Page::Balance);
    return fiche.Charge(path);
}

} // namespace cli
