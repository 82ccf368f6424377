#pragma once

#include "ledger/DossierLock.h"
#include "platform/Platform.h"

#include <QString>
#include <QTime>

class Fiche;

// The main window's own state and its file commands, without widgets: the
// file name the commands work with, the start-up folder, the help file, the
// check marks, and whether the document commands are available yet.
class MainForm {
public:
    static inline const QString kTitre = QStringLiteral("Tavelin");
    static inline const QString kFiltre = QStringLiteral("Fichiers compta (*.jnl)|*.jnl");
    static inline const QString kFichierAide = QStringLiteral("Tavelin.hlp");

    MainForm(Fiche &fiche, const Platform &platform);

    QString RepDepart;      // the current folder when the window was first shown
    QString FichierCourant; // the file name the file commands prompt with and pass on
    QString HelpFile = kFichierAide;
    bool OuvrirAutomatiquementCoche = false;

    // The window title: "Tavelin", followed by the document's file name in
    // brackets while it has one, as a maximised child window shows it.
    QString titre() const;
    // The status bar's clock text (long time form).
    static QString heure(QTime time);
    // The status bar's validation text: "Validé jusqu'au 31/03/2002", empty
    // while nothing is validated.
    QString validationStatus() const;

    // Start-up, once the window is shown: records the start-up folder,
    // reopens the last file when the setting asks for it, names the help file.
    void FormShow();

    // Makes the document commands available for the rest of the run.
    void Valide() { valide_ = true; }
    bool valide() const { return valide_; }

    void Nouveau();
    void Ouvrir();
    // Both give back whether the document was written.
    bool Enregistrer();
    bool EnregistrerSous();
    // Whether the window may close: the save prompt, when there is something to save.
    bool FormCloseQuery();
    // The window closes: back to the start-up folder, reference data written.
    // False when a write failed and the user chose to stay, to keep the
    // changes the program could not write.
    bool FormClose();

    void OuvrirAutomatiquement();
    // The print dialog, then the page shown printed on the printer chosen.
    void Imprimer();
    // The page shown drawn in the preview window, from which it may be printed.
    void Apercu();
    // The page set-up of the printer, which the next print follows.
    void MiseEnPage();
    void ConfigurerImprimante();

    void AideSommaire();
    void AideRechercher();
    void AideUtiliser();
    void AideContexte(int context);

    // Reads the program's own file whole; a warning when it cannot.
    void VerifieProgramme(const QString &programPath);

private:
    // The save prompt of New, Open and closing; false when the command must stop.
    bool DemandeEnregistrer();
    // Loads FichierCourant, unless another session holds it and the user
    // leaves it to that session.
    void charge();
    // The lock follows the document's file: taken on the dossier it now
    // names, released when it names none.
    void followDossier();
    // False, with the user told so, when the page shown has no printed form.
    bool pagePrints();

    Fiche &fiche_;
    const Platform &platform_;
    bool valide_ = false;
    bool unreadTold_ = false;
    DossierLock lock_;
};
