#include "cli/Dossier.h"

#include "document/Fiche.h"
#include "ledger/DossierLock.h"
#include "ledger/FileIO.h"
#include "platform/Messages.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <cerrno>

namespace cli {
namespace {

// How long a command waits for the session holding the dossier: long enough
// for another command to finish, short enough for a script to go on.
constexpr std::chrono::milliseconds kLockPatience{2000};

} // namespace

bool lockForSaving(DossierLock &lock, const QString &path, Messages &messages)
{
    const DossierLock::Attempt attempt = lock.takeWaiting(path, QDateTime::currentDateTime(), kLockPatience);
    if (attempt.result == DossierLock::Result::Taken)
        return true;
    messages.information(attempt.message);
    return false;
}

bool saveDossier(Fiche &fiche, const QString &path, const QString &nothingSaved)
{
    Messages &messages = *fiche.platform().messages;
    if (fiche.ledger.changedOnDisk(path)) {
        messages.information(QStringLiteral("Le dossier %1 a été modifié par ailleurs pendant la commande. %2")
                                 .arg(QDir::toNativeSeparators(path), nothingSaved));
        return false;
    }
    if (!fiche.ledger.writeFile(path)) {
        messages.information(nothingSaved);
        return false;
    }
    return true;
}

QString whyUnreadable(const QString &path)
{
    posixfiles::Descriptor file;
    if (const int error = posixfiles::openForReading(QFile::encodeName(path).toStdString(), file))
        return fileio::reason(error);
    posixfiles::Status st;
    const bool folder = posixfiles::status(file, st) == 0 && st.kind == posixfiles::Status::Kind::Folder;
    return folder ? fileio::reason(EISDIR) : QString();
}

bool openDossier(Fiche &fiche, const QString &path)
{
    fiche.ledger.ChargePlc();
    fiche.ledger.ChargeCombo();
    fiche.ledger.InitPlc();
    fiche.ledger.InitJnx();
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
