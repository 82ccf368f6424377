#pragma once

#include <QString>

class DossierLock;
class Fiche;
class Messages;

namespace cli {

// Opens a ledger file in the document the way the application does: the chart
// of accounts and the journals of the current folder first (as at start-up),
// then the file itself (as "Ouvrir"). Nothing is ever written back.
// False when the ledger file cannot be read; the message naming it and the
// reason has then gone to the document's messages.
bool openDossier(Fiche &fiche, const QString &path);

// One writer at a time: a command that saves the dossier holds its lock from
// the reading to the saving, so that two commands started together both land,
// one after the other; another session holding it is waited for a short time.
// False, with the user told why, when the lock could not be taken.
bool lockForSaving(DossierLock &lock, const QString &path, Messages &messages);

// Saves the dossier a command changed, unless another program changed its
// file since it was read (a window that opened it all the same). False, with
// the user told why and that `nothingSaved`, when it was not saved.
bool saveDossier(Fiche &fiche, const QString &path, const QString &nothingSaved);

// Why a file cannot be opened for reading ("fichier ou dossier introuvable",
// "le chemin désigne un dossier", ...), empty when it can.
QString whyUnreadable(const QString &path);

} // namespace cli
