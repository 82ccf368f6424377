#include "app/MainForm.h"

#include "app/FileNames.h"
#include "document/Fiche.h"
#include "document/PrintCommands.h"
#include "document/YearEndCommands.h"
#include "ledger/FileIO.h"
#include "ledger/ReferenceData.h"
#include "ledger/TextForms.h"
#include "ledger/Validations.h"
#include "platform/FileDialogs.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/PrinterDialogs.h"
#include "yearend/Closing.h"

#include <QDir>
#include <QFileInfo>

MainForm::MainForm(Fiche &fiche, const Platform &platform)
    : fiche_(fiche), platform_(platform)
{
}

QString MainForm::title() const
{
    if (fiche_.Caption.isEmpty())
        return kTitle;
    if (readOnly_)
        return QStringLiteral("%1 - [%2 (lecture seule)]").arg(kTitle, fiche_.Caption);
    return QStringLiteral("%1 - [%2]").arg(kTitle, fiche_.Caption);
}

QString MainForm::clockText(QTime time)
{
    return forms::formatTime(time);
}

bool MainForm::yearClosed() const
{
    return !yearend::closingRefusal(fiche_.ledger.fiscalYear).isEmpty();
}

QString MainForm::validationStatus() const
{
    return validation::statusText(fiche_.ledger.fiscalYear.finalUntil());
}

void MainForm::takeCommandLine(const QStringList &files)
{
    if (files.isEmpty())
        return;
    const QFileInfo dossier(files.first());
    commandLineDossier_ = dossier.absoluteFilePath();
    unopenedArguments_ = files.mid(1);
    const QDir dossierFolder = dossier.absoluteDir();
    const QString launchFolder = platform_.files->currentFolder();
    // Only a dossier that will be opened may move the reference files, and
    // only from a folder without any: stored setups keep their start-up folder.
    if (filenames::isLedgerName(commandLineDossier_) && platform_.files->exists(commandLineDossier_)
        && dossierFolder != QDir(launchFolder) && !reference::holdsReferenceFiles(QDir(launchFolder))
        && reference::holdsReferenceFiles(dossierFolder) && platform_.files->setCurrentFolder(dossierFolder.path()))
        launchFolder_ = launchFolder;
}

void MainForm::FormShow()
{
    RepDepart = platform_.files->currentFolder();
    tellCommandLine();
    bool openAutomatically = false;
    fiche_.ledger.GetIni(openAutomatically, FichierCourant);
    openAutomaticallyChecked = openAutomatically;
    if (commandLineDossier_.isEmpty() || !openFile(commandLineDossier_)) {
        FichierCourant = fiche_.ledger.NomFichier;
        if (openAutomatically) {
            load();
            Valide();
        }
    }
    helpFile = QDir(RepDepart).filePath(kHelpFileName);
    welcome_ = !QFileInfo(fiche_.ledger.referenceDir().filePath(reference::kChartFile)).exists();
}

newbooks::Answers MainForm::proposedBooks() const
{
    return newbooks::proposed(platform_.clock->today(), RepDepart);
}

bool MainForm::createBooks(const newbooks::Answers &answers)
{
    const QDir dir = fiche_.ledger.referenceDir();
    QString failure = newbooks::refusal(answers);
    if (failure.isEmpty()) {
        const QStringList existing = newbooks::existingReferenceFiles(dir);
        if (!existing.isEmpty() && !platform_.messages->warningOkCancel(newbooks::replaceQuestion(existing)))
            return false;
        failure = newbooks::write(dir, answers);
    }
    if (!failure.isEmpty()) {
        platform_.messages->information(failure);
        return false;
    }
    // The document takes the files just written, which it writes back at exit.
    fiche_.ledger.ref = ReferenceData();
    fiche_.FormActivate();
    // The books are made whether or not their dossier can be opened now
    // (the user was told why): the assistant's work is done.
    if (openFile(answers.dossier))
        fiche_.Premier();
    return true;
}

bool MainForm::openRecent(const QString &path)
{
    return openFile(path);
}

void MainForm::tellCommandLine()
{
    if (!launchFolder_.isEmpty())
        platform_.messages->information(
            QStringLiteral("Aucun fichier commun de Tavelin (société, plan comptable, journaux, réglages) dans %1, "
                           "le dossier d'où il a été lancé : Tavelin prend ceux qui sont à côté de %2, dans %3, et "
                           "les y enregistrera en quittant.")
                .arg(QDir::toNativeSeparators(launchFolder_), filenames::withoutFolder(commandLineDossier_),
                     QDir::toNativeSeparators(RepDepart)));
    if (!unopenedArguments_.isEmpty())
        platform_.messages->information(
            (unopenedArguments_.size() == 1 ? QStringLiteral("Tavelin n'ouvre qu'un dossier à la fois : %1 n'est pas ouvert.")
                                            : QStringLiteral("Tavelin n'ouvre qu'un dossier à la fois : %1 ne sont pas ouverts."))
                .arg(unopenedArguments_.join(QStringLiteral(", "))));
}

DossierLock::Attempt MainForm::takeLock(DossierLock &lock, const QString &path) const
{
    return lock.take(path, QDateTime(platform_.clock->today(), platform_.clock->now()));
}

void MainForm::load()
{
    // The lock comes first: of two sessions opening the dossier together,
    // one only holds it. A lock that cannot be created (a read-only folder)
    // does not keep the dossier from being opened.
    DossierLock lock;
    const DossierLock::Attempt attempt = takeLock(lock, FichierCourant);
    bool readOnly = false;
    switch (attempt.result) {
    case DossierLock::Result::Taken:
    case DossierLock::Result::NotWritten:
        break;
    case DossierLock::Result::Refused:
        platform_.messages->information(attempt.message);
        forgetChosenFile();
        return;
    case DossierLock::Result::Held:
        switch (platform_.messages->warningChoice(attempt.message, QStringLiteral("Ouvrir en &lecture seule"),
                                                  QStringLiteral("&Ouvrir quand même"))) {
        case Messages::Choice::First:
            readOnly = true;
            break;
        case Messages::Choice::Second:
            break;
        case Messages::Choice::Cancel:
            forgetChosenFile();
            return;
        }
        break;
    }
    const QString chosen = FichierCourant;
    fiche_.Charge(chosen);
    // A file that is gone or unreadable leaves the document unnamed: a later
    // "Enregistrer" must not write over that file.
    FichierCourant = fiche_.ledger.NomFichier;
    if (fiche_.ledger.NomFichier.isEmpty()) {
        lock_.release();
        readOnly_ = false;
    } else if (fiche_.ledger.NomFichier == chosen) {
        lock_ = std::move(lock);
        readOnly_ = readOnly;
        if (const QString failure = recentDossiers.add(chosen); !failure.isEmpty())
            platform_.messages->information(failure);
    }
}

void MainForm::forgetChosenFile()
{
    // At start-up the document holds the name from the settings without its
    // content: the next save must not write over the file it names.
    if (fiche_.ledger.NomFichier == FichierCourant)
        fiche_.ledger.NomFichier.clear();
    FichierCourant = fiche_.ledger.NomFichier;
}

bool MainForm::askToSave()
{
    bool modified = false;
    fiche_.TestModif(modified);
    if (!modified)
        return true;
    const QString question = FichierCourant.isEmpty()
                                 ? QStringLiteral("Enregistrer les changements du nouveau dossier ?")
                                 : QStringLiteral("Enregistrer changements dans %1 ?")
                                       .arg(filenames::withoutFolder(FichierCourant));
    switch (platform_.messages->warningYesNoCancel(question)) {
    case Messages::Answer::Yes:
        return save();
    case Messages::Answer::No:
        return true;
    case Messages::Answer::Cancel:
        break;
    }
    return false;
}

void MainForm::Nouveau()
{
    if (!askToSave())
        return;
    FichierCourant.clear();
    fiche_.Nouveau();
    lock_.release();
    readOnly_ = false;
    Valide();
}

void MainForm::open()
{
    if (!askToSave())
        return;
    if (!openChosen())
        Valide();
}

bool MainForm::openChosen()
{
    const auto chosen = platform_.fileDialogs->open({QStringLiteral("Ouvrir"), QString(), QStringLiteral("jnl"), kFilter});
    if (chosen)
        openFile(*chosen);
    return chosen.has_value();
}

void MainForm::openNextYear()
{
    if (!askToSave())
        return;
    const auto chosen = platform_.fileDialogs->save(
        {QStringLiteral("Ouvrir l'exercice suivant"), QStringLiteral("*.jnl"), QStringLiteral("jnl"), kFilter});
    if (!chosen)
        return;
    const QString path = filenames::forceLedgerExtension(*chosen);
    const document::NextYearOutcome outcome = document::createNextYear(fiche_, path);
    if (!outcome.message.isEmpty())
        platform_.messages->information(outcome.message);
    if (outcome.created)
        openFile(path);
}

bool MainForm::openFile(const QString &path)
{
    FichierCourant = path;
    if (!filenames::isLedgerName(FichierCourant)) {
        FichierCourant.clear();
        platform_.messages->information(QStringLiteral("Type de fichier non valide"));
        return false;
    }
    if (!platform_.files->exists(FichierCourant)) {
        platform_.messages->information(QStringLiteral("Le fichier n'existe pas"));
        return false;
    }
    load();
    Valide();
    return true;
}

bool MainForm::saveAs()
{
    FichierCourant.clear();
    const auto chosen = platform_.fileDialogs->save(
        {QStringLiteral("Enregistrer sous"), QStringLiteral("*.jnl"), QStringLiteral("jnl"), kFilter});
    if (!chosen)
        return false;
    FichierCourant = filenames::forceLedgerExtension(*chosen);
    if (platform_.files->exists(FichierCourant)
        && !platform_.messages->warningOkCancel(QStringLiteral("Ce fichier existe déjà")))
        return false;
    // The file open read-write, under another of its names: saved as by "Enregistrer".
    const QString &current = fiche_.ledger.NomFichier;
    if (!readOnly_ && !current.isEmpty() && fileio::sameFile(FichierCourant, current)) {
        fiche_.SetSauve();
        return saveChecked(FichierCourant);
    }
    // The dossier written becomes this session's: never one another session holds.
    DossierLock lock;
    const DossierLock::Attempt attempt = takeLock(lock, FichierCourant);
    if (attempt.result == DossierLock::Result::Held || attempt.result == DossierLock::Result::Refused) {
        platform_.messages->information(attempt.message);
        FichierCourant.clear();
        return false;
    }
    fiche_.SetSauve();
    if (saveChecked(FichierCourant)) {
        lock_ = std::move(lock);
        readOnly_ = false;
        return true;
    }
    // Nothing stands under the new name: the next "Enregistrer" asks for a
    // name again instead of failing on the same one.
    FichierCourant.clear();
    return false;
}

bool MainForm::save()
{
    // An unnamed document goes through the save dialog, and stops there when
    // the user gave up, including at "Ce fichier existe déjà"; so does a
    // dossier open read-only.
    if (FichierCourant.isEmpty() || readOnly_)
        return saveAs();
    // The name of an opened file already ends in ".jnl": cutting it at its
    // first dot would write another file than the one open.
    if (!filenames::isLedgerName(FichierCourant))
        FichierCourant = filenames::forceLedgerExtension(FichierCourant);
    return saveChecked(FichierCourant);
}

bool MainForm::saveChecked(const QString &path)
{
    bool modified = false;
    fiche_.TestModif(modified);
    if (modified && fiche_.ledger.changedOnDisk(path)) {
        switch (platform_.messages->warningChoice(
            QStringLiteral("Le dossier %1 a été modifié par ailleurs depuis son ouverture.")
                .arg(QDir::toNativeSeparators(path)),
            QStringLiteral("Enregistrer quand même"), QStringLiteral("Enregistrer sous..."))) {
        case Messages::Choice::First:
            break;
        case Messages::Choice::Second:
            return saveAs();
        case Messages::Choice::Cancel:
            return false;
        }
    }
    return fiche_.Sauve(path);
}

bool MainForm::FormCloseQuery()
{
    return askToSave();
}

bool MainForm::closing()
{
    if (!RepDepart.isEmpty())
        platform_.files->setCurrentFolder(RepDepart);
    if (!unreadTold_) {
        for (const QString &message : fiche_.ledger.unreadReferenceMessages())
            platform_.messages->information(message);
        unreadTold_ = true;
    }
    const QStringList failures = fiche_.ledger.saveReferenceFiles();
    // The program stays open unless the user chooses otherwise: the changes
    // are still there, and can be written once the cause is put right.
    if (!failures.isEmpty()
        && !platform_.messages->warningOkCancel(failures.join(u'\n')
                                                + QStringLiteral("\n\nQuitter Tavelin sans enregistrer ces changements ?")))
        return false;
    lock_.release();
    return true;
}

void MainForm::toggleOpenAutomatically()
{
    bool openAutomatically = false;
    fiche_.ledger.GetIni(openAutomatically, FichierCourant);
    openAutomaticallyChecked = !openAutomaticallyChecked;
    fiche_.ledger.SetIni(openAutomaticallyChecked);
}

void MainForm::Imprimer()
{
    if (platform_.printerDialogs->print())
        document::Imprimer(fiche_, *platform_.printer);
}

void MainForm::preview()
{
    platform_.printerDialogs->preview([this](Printer &printer) { document::Imprimer(fiche_, printer); });
}

void MainForm::pageSetup()
{
    platform_.printerDialogs->pageSetup();
}

void MainForm::printerSetup()
{
    platform_.printerDialogs->setup();
}

void MainForm::helpContents()
{
    platform_.help->contents(helpFile);
}

void MainForm::helpSearch()
{
    platform_.help->search(helpFile, QString());
}

void MainForm::helpOnHelp()
{
    platform_.help->helpOnHelp(helpFile);
}

void MainForm::contextHelp(int context)
{
    platform_.help->context(helpFile, context);
}

void MainForm::checkProgramFile(const QString &programPath)
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
