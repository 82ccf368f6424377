#pragma once

#include <QString>

class DossierLock;
class Fiche;

namespace cli {

// Opens a ledger file in the document the way the application does: the chart
// of accounts and the journals of the current folder first (as at start-up),
// then the file itself (as "Ouvrir"). Nothing is ever written back.
// False when the ledger file cannot be read; the message naming it and the
// reason has then gone to the document's messages.
bool openDossier(Fiche &fiche, const QString &path);

// Takes the dossier's lock for a command that saves it, before it is read:
// false, with the user told why, when another session holds it (a window
// would lose this command's work at its next save, or this command the
// window's).
bool lockForSaving(DossierLock &lock, Fiche &fiche, const QString &path);

// Why a file cannot be opened for reading ("fichier ou dossier introuvable",
// "le chemin désigne un dossier", ...), empty when it can.
QString whyUnreadable(const QString &path);

} // namespace cli
