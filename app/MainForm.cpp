#include "app/MainForm.h"

#include "app/FileNames.h"
#include "document/Fiche.h"
#include "document/PrintCommands.h"
#include "ledger/FileIO.h"
#include "ledger/TextForms.h"
#include "ledger/Validations.h"
#include "platform/FileDialogs.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/PrinterDialogs.h"

#include <QDir>

MainForm::MainForm(Fiche &fiche, const Platform &platform)
    : fiche_(fiche), platform_(platform)
{
}

QString MainForm::titre() const
{
    if (fiche_.Caption.isEmpty())
        return kTitre;
    return QStringLiteral("%1 - [%2]").arg(kTitre, fiche_.Caption);
}

QString MainForm::heure(QTime time)
{
    return forms::formatTime(time);
}

QString MainForm::validationStatus() const
{
    return validation::statusText(fiche_.exercice.validations);
}

void MainForm::FormShow()
{
    RepDepart = QDir::currentPath();
    bool ouvrirAuto = false;
    fiche_.GetIni(ouvrirAuto, FichierCourant);
    if (ouvrirAuto) {
        OuvrirAutomatiquementCoche = true;
        charge();
        Valide();
    }
    HelpFile = QDir(RepDepart).filePath(kFichierAide);
}

void MainForm::charge()
{
    // One session per dossier: whether to open one another live session
    // holds is the user's call.
    if (const std::optional<LockOwner> owner = dossierlock::heldByOther(FichierCourant);
        owner && !platform_.messages->warningAcceptCancel(dossierlock::alreadyOpenMessage(*owner),
                                                          QStringLiteral("Ouvrir quand même"))) {
        // At start-up the document holds the name from the settings without
        // its content: the next save must not write over the other session.
        if (fiche_.NomFichier == FichierCourant)
            fiche_.NomFichier.clear();
        FichierCourant = fiche_.NomFichier;
        return;
    }
    fiche_.Charge(FichierCourant);
    // A file that is gone or unreadable leaves the document unnamed: a later
    // "Enregistrer" must not write over that file.
    FichierCourant = fiche_.NomFichier;
    followDossier();
}

void MainForm::followDossier()
{
    if (fiche_.NomFichier.isEmpty())
        lock_.release();
    else if (fiche_.NomFichier != lock_.dossier())
        lock_.take(fiche_.NomFichier, QDateTime(platform_.clock->today(), platform_.clock->now()));
}

bool MainForm::DemandeEnregistrer()
{
    bool modifie = false;
    fiche_.TestModif(modifie);
    if (!modifie)
        return true;
    const QString question = FichierCourant.isEmpty()
                                 ? QStringLiteral("Enregistrer les changements du nouveau dossier ?")
                                 : QStringLiteral("Enregistrer changements dans %1 ?")
                                       .arg(filenames::withoutFolder(FichierCourant));
    switch (platform_.messages->warningYesNoCancel(question)) {
    case Messages::Answer::Oui:
        return Enregistrer();
    case Messages::Answer::Non:
        return true;
    case Messages::Answer::Annuler:
        break;
    }
    return false;
}

void MainForm::Nouveau()
{
    if (!DemandeEnregistrer())
        return;
    FichierCourant.clear();
    fiche_.Nouveau();
    followDossier();
    Valide();
}

void MainForm::Ouvrir()
{
    if (!DemandeEnregistrer())
        return;
    const auto chosen = platform_.fileDialogs->open({QStringLiteral("Ouvrir"), QString(), QStringLiteral("jnl"), kFiltre});
    if (!chosen) {
        Valide();
        return;
    }
    FichierCourant = *chosen;
    if (!filenames::isLedgerName(FichierCourant)) {
        FichierCourant.clear();
        platform_.messages->information(QStringLiteral("Type de fichier non valide"));
        return;
    }
    if (!platform_.files->exists(FichierCourant)) {
        platform_.messages->information(QStringLiteral("Le fichier n'existe pas"));
        return;
    }
    charge();
    Valide();
}

bool MainForm::EnregistrerSous()
{
    FichierCourant.clear();
    const auto chosen = platform_.fileDialogs->save(
        {QStringLiteral("Enregistrer sous"), QStringLiteral("*.jnl"), QStringLiteral("jnl"), kFiltre});
    if (!chosen)
        return false;
    FichierCourant = filenames::forceLedgerExtension(*chosen);
    if (platform_.files->exists(FichierCourant)
        && !platform_.messages->warningOkCancel(QStringLiteral("Ce fichier existe déjà")))
        return false;
    fiche_.SetSauve();
    if (fiche_.Sauve(FichierCourant)) {
        followDossier();
        return true;
    }
    // Nothing stands under the new name: the next "Enregistrer" asks for a
    // name again instead of failing on the same one.
    FichierCourant.clear();
    return false;
}

bool MainForm::Enregistrer()
{
    // An unnamed document goes through the save dialog, and stops there when
    // the user gave up, including at "Ce fichier existe déjà".
    if (FichierCourant.isEmpty())
        return EnregistrerSous();
    // The name of an opened file already ends in ".jnl": cutting it at its
    // first dot would write another file than the one open.
    if (!filenames::isLedgerName(FichierCourant))
        FichierCourant = filenames::forceLedgerExtension(FichierCourant);
    return fiche_.Sauve(FichierCourant);
}

bool MainForm::FormCloseQuery()
{
    return DemandeEnregistrer();
}

bool MainForm::FormClose()
{
    if (!RepDepart.isEmpty())
        QDir::setCurrent(RepDepart);
    if (!unreadTold_) {
        for (const QString &message : fiche_.unreadReferenceMessages())
            platform_.messages->information(message);
        unreadTold_ = true;
    }
    const QStringList failures = fiche_.saveReferenceFiles();
    // The program stays open unless the user chooses otherwise: the changes
    // are still there, and can be written once the cause is put right.
    if (!failures.isEmpty()
        && !platform_.messages->warningOkCancel(failures.join(u'\n')
                                                + QStringLiteral("\n\nQuitter Tavelin sans enregistrer ces changements ?")))
        return false;
    lock_.release();
    return true;
}

void MainForm::OuvrirAutomatiquement()
{
    bool ouvrirAuto = false;
    fiche_.GetIni(ouvrirAuto, FichierCourant);
    OuvrirAutomatiquementCoche = !OuvrirAutomatiquementCoche;
    fiche_.SetIni(OuvrirAutomatiquementCoche);
}

bool MainForm::pagePrints()
{
    if (document::pagePrints(fiche_))
        return true;
    platform_.messages->information(QStringLiteral("Le bilan ne s'imprime pas."));
    return false;
}

void MainForm::Imprimer()
{
    if (pagePrints() && platform_.printerDialogs->print())
        document::Imprimer(fiche_, *platform_.printer);
}

void MainForm::Apercu()
{
    if (pagePrints())
        platform_.printerDialogs->preview([this](Printer &printer) { document::Imprimer(fiche_, printer); });
}

void MainForm::MiseEnPage()
{
    platform_.printerDialogs->pageSetup();
}

void MainForm::ConfigurerImprimante()
{
    platform_.printerDialogs->setup();
}

void MainForm::AideSommaire()
{
    platform_.help->contents(HelpFile);
}

void MainForm::AideRechercher()
{
    platform_.help->search(HelpFile, QString());
}

void MainForm::AideUtiliser()
{
    platform_.help->helpOnHelp(HelpFile);
}

void MainForm::AideContexte(int context)
{
    platform_.help->context(HelpFile, context);
}

void MainForm::VerifieProgramme(const QString &programPath)
{
    std::string bytes;
    const QString why = fileio::readWhole(programPath, bytes);
    if (why.isEmpty() && !bytes.empty())
        return;
    platform_.messages->information(
        QStringLiteral("Le fichier du programme %1 ne peut pas être lu en entier (%2) : il est peut-être "
                       "endommagé. Réinstallez Tavelin.")
            .arg(QDir::toNativeSeparators(programPath), why.isEmpty() ? QStringLiteral("fichier vide") : why));
}
