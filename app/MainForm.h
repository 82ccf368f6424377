#pragma once

#include "app/RecentDossiers.h"
#include "ledger/DossierLock.h"
#include "platform/Platform.h"
#include "reference/NewBooks.h"

#include <QString>
#include <QStringList>
#include <QTime>

class Fiche;

// The main window's own state and its file commands, without widgets: the
// file name the commands work with, the start-up folder, the help file, the
// check marks, and whether the document commands are available yet.
class MainForm {
public:
    static inline const QString kTitle = QStringLiteral("Tavelin");
    static inline const QString kFilter = QStringLiteral("Fichiers compta (*.jnl)|*.jnl");
    static inline const QString kHelpFileName = QStringLiteral("Tavelin.hlp");

    MainForm(Fiche &fiche, const Platform &platform);

    QString RepDepart;      // the current folder when the window was first shown
    QString FichierCourant; // the file name the file commands prompt with and pass on
    QString helpFile = kHelpFileName;
    bool openAutomaticallyChecked = false;
    RecentDossiers recentDossiers; // the dossiers opened, which the welcome page offers

    // The window title: "Tavelin", followed by the document's file name in
    // brackets while it has one, as a maximised child window shows it, and
    // "(lecture seule)" while the dossier is open read-only.
    QString title() const;
    // The dossier was opened read-only, another session holding it: it is
    // shown whole, and saved only under another name.
    bool readOnly() const { return readOnly_; }
    // The status bar's clock text (long time form).
    static QString clockText(QTime time);
    // The status bar's validation text: "Validé jusqu'au 31/03/2002", empty
    // while nothing is final.
    QString validationStatus() const;

    // The file names of the command line, before the reference data is
    // loaded. The first is the dossier that start-up opens in place of the
    // last file (a double click in the file manager); Tavelin opens one
    // dossier at a time. When the current folder holds no reference files
    // and that dossier's folder does, the dossier's folder becomes the
    // current one, as if Tavelin had been started there.
    void takeCommandLine(const QStringList &files);

    // Start-up, once the window is shown: records the start-up folder, opens
    // the dossier of the command line or else reopens the last file when the
    // setting asks for it, names the help file.
    void FormShow();

    // Makes the document commands available for the rest of the run.
    void Valide() { documentCommandsEnabled_ = true; }
    bool documentCommandsEnabled() const { return documentCommandsEnabled_; }

    void Nouveau();
    void open();
    // The welcome page stands instead of the document while the start-up
    // folder has no chart of accounts and no dossier was opened.
    bool welcomeShown() const { return welcome_ && !documentCommandsEnabled_; }
    // "Nouvelle comptabilité": what it proposes, then the books made from
    // the answers and their dossier opened on its first month. False, the
    // user told why, when the answers are refused, the user keeps the
    // reference files there, or a write failed.
    newbooks::Answers proposedBooks() const;
    bool createBooks(const newbooks::Answers &answers);
    // A dossier of the welcome page's list.
    bool openRecent(const QString &path);
    // The welcome page's "Ouvrir un dossier…": the open dialog, then the
    // dossier chosen opened; false when the dialog was cancelled, which
    // leaves the welcome page up (where "Ouvrir..." of the menu goes on
    // with an empty document).
    bool openChosen();
    // "Ouvrir l'exercice suivant…", offered once the year is closed for
    // good: after the save prompt, asks for the new dossier's name, creates
    // it with the opening entries and opens it.
    void openNextYear();
    bool yearClosed() const;
    // Both give back whether the document was written. Neither writes over a
    // dossier another session holds, nor, without asking, over one another
    // program changed since this session read or last wrote it.
    bool save();
    bool saveAs();
    // Whether the window may close: the save prompt, when there is something to save.
    bool FormCloseQuery();
    // The window closes: back to the start-up folder, reference data written.
    // False when a write failed and the user chose to stay, to keep the
    // changes the program could not write.
    bool closing();

    void toggleOpenAutomatically();
    // The print dialog, then the page shown printed on the printer chosen.
    void Imprimer();
    // The page shown drawn in the preview window, from which it may be printed.
    void preview();
    // The page set-up of the printer, which the next print follows.
    void pageSetup();
    void printerSetup();

    void helpContents();
    void helpSearch();
    void helpOnHelp();
    void contextHelp(int context);

    // Reads the program's own file whole; a warning when it cannot.
    void checkProgramFile(const QString &programPath);

private:
    // The save prompt of New, Open and closing; false when the command must stop.
    bool askToSave();
    // Opens the dossier the user named, with the refusals of "Ouvrir...";
    // false when it was refused.
    bool openFile(const QString &path);
    // What start-up tells about the command line: the reference files taken
    // beside its dossier, the file names left unopened.
    void tellCommandLine();
    // Loads FichierCourant with its lock; when another session holds it, the
    // user opens it read-only, opens it all the same, or leaves it.
    void load();
    // The file named at start-up or chosen is not opened.
    void forgetChosenFile();
    // Writes the document to the file it was read from or last written to,
    // unless another program changed it since and the user keeps that.
    bool saveChecked(const QString &path);
    // The lock of a dossier, taken now.
    DossierLock::Attempt takeLock(DossierLock &lock, const QString &path) const;

    Fiche &fiche_;
    const Platform &platform_;
    bool documentCommandsEnabled_ = false;
    bool unreadTold_ = false;
    bool readOnly_ = false;
    bool welcome_ = false;
    QString commandLineDossier_; // absolute
    QStringList unopenedArguments_;
    QString launchFolder_; // the current folder left for the dossier's folder, if it was
    DossierLock lock_; // held on the dossier open, unless it was opened while another session held it
};
