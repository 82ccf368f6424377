#include "app/MainForm.h"
#include "ledger/DossierLock.h"
#include "document/Fiche.h"
#include "support/FakePlatform.h"
#include "support/HeldFlock.h"
#include "support/TempDir.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

using Box = FakeMessages::Box;

const std::string kLedger =
    "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
    "2002030" "15/03/2002\r\n" "2002031" "607000\r\n" "2002032" "Achat de marchandises\r\n"
    "2002033" "AC\r\n" "2002034" "F12\r\n" "2002035" "    120,00\r\n" "2002036\r\n" "2002037\r\n";

std::string settings(const QString &lastFile, int openAutomatically)
{
    return " 0.00000000000000E+0000\r\n" + lastFile.toStdString() + "\r\n" + std::to_string(openAutomatically)
        + "\r\nVE\r\n411000\r\n707000\r\n445710\r\nAC\r\n401000\r\n607000\r\n445660\r\n";
}

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() : fiche(fake.platform), form(fiche, fake.platform) {}

    QString ledger(const QString &name)
    {
        const QString path = dir.file(name);
        writeBytes(path, kLedger);
        return path;
    }
    // The ledger opened, and shown on March, the month of its entry.
    void openOnItsEntry()
    {
        fake.fileDialogs.openAnswers.push_back(ledger(QStringLiteral("compta.jnl")));
        form.open();
        fiche.Suivant();
        fiche.Suivant();
    }
    // A document with unsaved changes, opened from `name` when given.
    void modifiedDocument(const QString &name = QString())
    {
        if (!name.isEmpty()) {
            fake.fileDialogs.openAnswers.push_back(ledger(name));
            form.open();
        }
        fiche.SetSauve();
    }
    bool exists(const QString &name) const { return QFile::exists(dir.file(name)); }

    CurrentTempDir dir;
    FakePlatform fake;
    Fiche fiche;
    MainForm form;
};

} // namespace

// --- Start-up --------------------------------------------------------------

TEST_F(MainFormTest, StartUpReopensTheLastFileWhenAutoOpenIsOn)
{
    const QString last = ledger(QStringLiteral("compta.jnl"));
    writeBytes(dir.file(QStringLiteral("Tavelin.ini")), settings(last, 1));
    fiche.FormActivate();
    form.FormShow();
    EXPECT_EQ(form.RepDepart, QDir::currentPath());
    EXPECT_EQ(fiche.ledger.NomFichier, last);
    EXPECT_EQ(form.FichierCourant, last);
    EXPECT_EQ(fiche.ledger.Lignes.size(), 13u);
    EXPECT_TRUE(form.openAutomaticallyChecked);
    EXPECT_TRUE(form.documentCommandsEnabled());
    EXPECT_EQ(form.helpFile, dir.file(QStringLiteral("Tavelin.hlp")));
    EXPECT_EQ(form.title(), QStringLiteral("Tavelin - [compta.jnl]"));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, StartUpWithAMissingLastFileGivesAnUnnamedDocumentAndTheCommands)
{
    writeBytes(dir.file(QStringLiteral("Tavelin.ini")), settings(dir.file(QStringLiteral("parti.jnl")), 1));
    fiche.FormActivate();
    form.FormShow();
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(fiche.ledger.Lignes.empty());
    EXPECT_TRUE(form.documentCommandsEnabled());
    EXPECT_EQ(form.title(), QStringLiteral("Tavelin"));
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, StartUpWithAutoOpenOffLoadsNothing)
{
    const QString last = ledger(QStringLiteral("compta.jnl"));
    writeBytes(dir.file(QStringLiteral("Tavelin.ini")), settings(last, 0));
    fiche.FormActivate();
    form.FormShow();
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(fiche.ledger.Lignes.empty());
    EXPECT_FALSE(form.openAutomaticallyChecked);
    EXPECT_FALSE(form.documentCommandsEnabled());
}

TEST_F(MainFormTest, FirstRunInAnEmptyFolderWritesTheReferenceFilesAtExit)
{
    fiche.FormActivate();
    form.FormShow();
    form.closing();
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.ini"))),
              " 0.00000000000000E+0000\r\n\r\n0\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.soc"))), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.Cbx"))), "[JOURNAUX]\r\n");
    EXPECT_FALSE(exists(QStringLiteral("Tavelin.plc")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, ReferenceFilesGoBackToTheStartUpFolderWhateverFolderIsCurrent)
{
    fiche.FormActivate();
    form.FormShow();
    CurrentTempDir elsewhere; // as after a file dialog that moved the current folder
    form.toggleOpenAutomatically();
    form.closing();
    EXPECT_EQ(QDir::currentPath(), dir.path());
    EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::Files).isEmpty());
    const std::string ini = readBytes(dir.file(QStringLiteral("Tavelin.ini")));
    EXPECT_EQ(ini.substr(ini.find("\r\n"), 7), "\r\n\r\n1\r\n");
}

// --- Start-up with file names on the command line ------------------------------

struct CommandLineCase {
    const char *guards;
    QStringList args; // names in the test's folder, the current one
    int openAutomatically;   // the settings name compta.jnl as the last file
    QString opened;   // the dossier open afterwards, empty for none
    QStringList messages;
};

class MainFormCommandLine : public MainFormTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(MainFormCommandLine, OpensTheFirstDossierInPlaceOfTheReopening)
{
    const CommandLineCase &c = GetParam();
    writeBytes(dir.file(QStringLiteral("Tavelin.ini")), settings(ledger(QStringLiteral("compta.jnl")), c.openAutomatically));
    ledger(QStringLiteral("autre.jnl"));
    writeBytes(dir.file(QStringLiteral("compta.txt")), kLedger);
    form.takeCommandLine(c.args);
    fiche.FormActivate();
    form.FormShow();
    const QString opened = c.opened.isEmpty() ? QString() : dir.file(c.opened);
    EXPECT_EQ(fiche.ledger.NomFichier, opened);
    EXPECT_EQ(form.FichierCourant, opened);
    EXPECT_EQ(form.documentCommandsEnabled(), !opened.isEmpty());
    EXPECT_EQ(form.openAutomaticallyChecked, c.openAutomatically == 1);
    EXPECT_EQ(fake.messages.shown, c.messages);
    EXPECT_EQ(form.RepDepart, dir.path());
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, MainFormCommandLine,
    ::testing::Values(
        // A double click on a dossier while the last one would be reopened.
        CommandLineCase{"overrides", {"autre.jnl"}, 1, "autre.jnl", {}},
        CommandLineCase{"opensWithoutTheReopening", {"autre.jnl"}, 0, "autre.jnl", {}},
        // The refusals of "Ouvrir...", after which the reopening goes on.
        CommandLineCase{"anotherExtension", {"compta.txt"}, 1, "compta.jnl", {"Type de fichier non valide"}},
        CommandLineCase{"missingFile", {"absent.jnl"}, 0, "", {"Le fichier n'existe pas"}},
        // One dossier at a time: the others are named, not opened.
        CommandLineCase{"secondFile", {"autre.jnl", "compta.jnl"}, 0, "autre.jnl",
                        {"Tavelin n'ouvre qu'un dossier à la fois : compta.jnl n'est pas ouvert."}},
        CommandLineCase{"moreFiles", {"autre.jnl", "a.jnl", "b.jnl"}, 0, "autre.jnl",
                        {"Tavelin n'ouvre qu'un dossier à la fois : a.jnl, b.jnl ne sont pas ouverts."}}),
    [](const ::testing::TestParamInfo<CommandLineCase> &info) { return std::string(info.param.guards); });

TEST_F(MainFormTest, ReferenceFilesBesideTheDossierWhenTheStartUpFolderHasNone)
{
    struct Case {
        const char *guards;
        bool startUpFolderHasThem;
        bool dossierFolderHasThem;
    };
    const Case cases[] = {
        {"taken beside the dossier, and said so", false, true},
        {"a start-up folder with reference files keeps them", true, true},
        {"nowhere to take them from: the start-up folder", false, false},
    };
    for (const Case &c : cases) {
        CurrentTempDir launch;
        QTemporaryDir dossierFolder;
        const QString dossier = dossierFolder.filePath(QStringLiteral("compta.jnl"));
        writeBytes(dossier, kLedger);
        if (c.startUpFolderHasThem)
            writeBytes(launch.file(QStringLiteral("Tavelin.ini")), settings(QString(), 0));
        if (c.dossierFolderHasThem)
            writeBytes(dossierFolder.filePath(QStringLiteral("Tavelin.plc")), "607000 NN Achats\r\n");
        FakePlatform platform;
        Fiche document(platform.platform);
        MainForm startUp(document, platform.platform);
        startUp.takeCommandLine({dossier});
        document.FormActivate();
        startUp.FormShow();

        const bool beside = !c.startUpFolderHasThem && c.dossierFolderHasThem;
        const QString folder = beside ? dossierFolder.path() : launch.path();
        EXPECT_EQ(document.ledger.referenceDir().path(), folder) << c.guards;
        EXPECT_EQ(startUp.RepDepart, folder) << c.guards;
        EXPECT_EQ(document.ledger.ref.ListePlc.size(), beside ? 1 : 0) << c.guards;
        EXPECT_EQ(document.ledger.NomFichier, dossier) << c.guards;
        EXPECT_EQ(platform.messages.shown,
                  beside ? QStringList{QStringLiteral("Aucun fichier commun de Tavelin (société, plan comptable, journaux, "
                                                      "réglages) dans %1, le dossier d'où il a été lancé : Tavelin prend "
                                                      "ceux qui sont à côté de compta.jnl, dans %2, et les y enregistrera "
                                                      "en quittant.")
                                           .arg(launch.path(), dossierFolder.path())}
                         : QStringList{})
            << c.guards;
        startUp.closing();
        EXPECT_EQ(QFile::exists(dossierFolder.filePath(QStringLiteral("Tavelin.ini"))), beside) << c.guards;
    }
}

// --- Save prompt -------------------------------------------------------------

TEST_F(MainFormTest, NoPromptForAnUnchangedDocument)
{
    form.Nouveau();
    fiche.ledger.Modifie = false;
    EXPECT_TRUE(form.FormCloseQuery());
    form.open();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, PromptNamesTheFileWithoutItsFolder)
{
    modifiedDocument(QStringLiteral("compta.jnl"));
    EXPECT_FALSE(form.FormCloseQuery()); // the fake answers Annuler
    const FakeMessages::Shown prompt{Box::WarningYesNoCancel, QStringLiteral("Enregistrer changements dans compta.jnl ?")};
    EXPECT_EQ(fake.messages.boxes, std::vector<FakeMessages::Shown>{prompt});
}

TEST_F(MainFormTest, PromptOfANeverSavedDossierSaysSo)
{
    form.Nouveau();
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Enregistrer les changements du nouveau dossier ?")});
}

TEST_F(MainFormTest, APictureNamedLikeALedgerIsNeverWrittenOver)
{
    const std::string picture("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QString image = dir.file(QStringLiteral("photo.jnl"));
    writeBytes(image, picture);
    modifiedDocument(QStringLiteral("compta.jnl"));
    fiche.ledger.Lignes.append("2002040" "01/04/2002");

    fake.messages.yesNoCancel = {Messages::Answer::No};
    fake.fileDialogs.openAnswers = {image};
    form.open();
    EXPECT_EQ(fake.messages.shown.last(), QStringLiteral("Le fichier %1 n'est pas un dossier Tavelin").arg(image));
    EXPECT_EQ(form.FichierCourant, dir.file(QStringLiteral("compta.jnl")));
    EXPECT_EQ(form.title(), QStringLiteral("Tavelin - [compta.jnl]"));

    // Oui to the next prompt writes the dossier that is open, not the picture.
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(readBytes(image), picture);
    EXPECT_NE(readBytes(dir.file(QStringLiteral("compta.jnl"))).find("200204001/04/2002\r\n"), std::string::npos);
}

TEST_F(MainFormTest, APictureReopenedAtStartUpLeavesAnUnnamedEmptyDossier)
{
    const std::string picture("GIF89a\x01\0\x01\0", 10);
    const QString image = dir.file(QStringLiteral("photo.jnl"));
    writeBytes(image, picture);
    writeBytes(dir.file(QStringLiteral("Tavelin.ini")), settings(image, 1));
    fiche.FormActivate();
    form.FormShow();
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Le fichier %1 n'est pas un dossier Tavelin").arg(image)});
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(fiche.ledger.Lignes.empty());
    EXPECT_FALSE(fiche.ledger.Modifie);
    fiche.SetSauve();
    EXPECT_FALSE(form.save()); // asks for a name: the dialog is cancelled
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1u);
    EXPECT_EQ(readBytes(image), picture);
}

TEST_F(MainFormTest, NouveauAnswers)
{
    modifiedDocument(QStringLiteral("compta.jnl"));
    const std::string before = readBytes(dir.file(QStringLiteral("compta.jnl")));

    fake.messages.yesNoCancel = {Messages::Answer::Cancel};
    form.Nouveau();
    EXPECT_EQ(fake.fiscalYear.calls, 0);
    EXPECT_EQ(form.FichierCourant, dir.file(QStringLiteral("compta.jnl")));
    EXPECT_EQ(fiche.ledger.Lignes.size(), 13u);

    fake.messages.yesNoCancel = {Messages::Answer::No};
    form.Nouveau();
    EXPECT_EQ(fake.fiscalYear.calls, 1);
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(fiche.ledger.Modifie); // a new document counts as modified
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("compta.jnl"))), before);
}

TEST_F(MainFormTest, NouveauOuiSavesTheNamedDocumentFirst)
{
    modifiedDocument(QStringLiteral("compta.jnl"));
    fiche.ledger.Lignes.append("2002040" "01/04/2002");
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    form.Nouveau();
    EXPECT_NE(readBytes(dir.file(QStringLiteral("compta.jnl"))).find("200204001/04/2002\r\n"), std::string::npos);
    EXPECT_EQ(fake.fiscalYear.calls, 1);
    EXPECT_TRUE(fake.fileDialogs.saveRequests.empty());
}

TEST_F(MainFormTest, NouveauOuiOnAnUnnamedDocumentGoesThroughTheSaveDialog)
{
    form.Nouveau(); // unnamed and modified
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    form.Nouveau(); // save dialog cancelled: the command stops
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1u);
    EXPECT_EQ(fake.fiscalYear.calls, 1);

    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("nouveau"))};
    form.Nouveau();
    EXPECT_TRUE(exists(QStringLiteral("nouveau.jnl")));
    EXPECT_EQ(fake.fiscalYear.calls, 2);
}

TEST_F(MainFormTest, NouveauStopsWhenTheSaveFails)
{
    modifiedDocument(QStringLiteral("compta.jnl"));
    form.FichierCourant = dir.file(QStringLiteral("absent/compta.jnl"));
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    form.Nouveau();
    EXPECT_EQ(fake.fiscalYear.calls, 0);
    EXPECT_TRUE(fiche.ledger.Modifie);
    ASSERT_EQ(fake.messages.shown.size(), 2);
    EXPECT_TRUE(fake.messages.shown[1].startsWith(QStringLiteral("Impossible d'enregistrer"))) << fake.messages.shown[1].toStdString();
}

TEST_F(MainFormTest, OuvrirAnswers)
{
    modifiedDocument(QStringLiteral("compta.jnl"));
    fake.messages.yesNoCancel = {Messages::Answer::Cancel};
    form.open();
    EXPECT_EQ(fake.fileDialogs.openRequests.size(), 1u); // only the first open

    fake.messages.yesNoCancel = {Messages::Answer::No};
    form.open();
    EXPECT_EQ(fake.fileDialogs.openRequests.size(), 2u);
    EXPECT_TRUE(fiche.ledger.Modifie); // the open dialog was cancelled: the document stays as it was
}

TEST_F(MainFormTest, OuvrirOuiSavesBeforeTheOpenDialog)
{
    form.Nouveau();
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    form.open(); // the save dialog is cancelled: no open dialog
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1u);
    EXPECT_TRUE(fake.fileDialogs.openRequests.empty());

    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("avant"))};
    form.open();
    EXPECT_TRUE(exists(QStringLiteral("avant.jnl")));
    EXPECT_EQ(fake.fileDialogs.openRequests.size(), 1u);
}

// --- Open --------------------------------------------------------------------

TEST_F(MainFormTest, CancelledOpenStillEnablesTheDocumentCommands)
{
    EXPECT_FALSE(form.documentCommandsEnabled());
    form.open();
    ASSERT_EQ(fake.fileDialogs.openRequests.size(), 1u);
    EXPECT_EQ(fake.fileDialogs.openRequests[0].filter, QStringLiteral("Fichiers compta (*.jnl)|*.jnl"));
    EXPECT_TRUE(form.documentCommandsEnabled());
    EXPECT_TRUE(form.FichierCourant.isEmpty());
}

TEST_F(MainFormTest, UpperCaseJnlIsAccepted)
{
    const QString path = ledger(QStringLiteral("COMPTA.JNL"));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    EXPECT_EQ(fiche.ledger.NomFichier, path);
    EXPECT_EQ(form.FichierCourant, path);
    EXPECT_EQ(fiche.ledger.Lignes.size(), 13u);
    EXPECT_TRUE(form.documentCommandsEnabled());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, AnotherExtensionIsRefused)
{
    const QString path = dir.file(QStringLiteral("compta.txt"));
    writeBytes(path, kLedger);
    fake.fileDialogs.openAnswers = {path};
    form.open();
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox(QStringLiteral("Type de fichier non valide")));
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(fiche.ledger.Lignes.empty());
    EXPECT_FALSE(form.documentCommandsEnabled());
}

TEST_F(MainFormTest, MissingFileIsReportedAndKeepsItsName)
{
    const QString path = dir.file(QStringLiteral("absent.jnl"));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox(QStringLiteral("Le fichier n'existe pas")));
    EXPECT_EQ(form.FichierCourant, path);
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_FALSE(form.documentCommandsEnabled());
}

TEST_F(MainFormTest, UnreadableFileLeavesTheDocumentUnnamed)
{
    const QString path = dir.file(QStringLiteral("dossier.jnl"));
    QDir().mkdir(path); // exists for the file system test, cannot be read as a file
    fake.files.useDisk = false;
    fake.files.present = {path};
    fake.fileDialogs.openAnswers = {path};
    form.open();
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(form.documentCommandsEnabled());
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith(QStringLiteral("Impossible de lire"))) << fake.messages.shown[0].toStdString();
}

// --- Save as and save ----------------------------------------------------------

TEST_F(MainFormTest, SaveAsNamesTheFileWithTheLedgerExtension)
{
    struct Case {
        QString chosen;
        QString written;
    };
    QDir(dir.path()).mkdir(QStringLiteral("exercice.2002"));
    const Case cases[] = {
        {dir.file(QStringLiteral("compta")), dir.file(QStringLiteral("compta.jnl"))},
        {dir.file(QStringLiteral("compta.2002.jnl")), dir.file(QStringLiteral("compta.jnl"))},
        {dir.file(QStringLiteral("exercice.2002/compta")), dir.file(QStringLiteral("exercice.2002/compta.jnl"))},
    };
    form.Nouveau();
    for (const Case &c : cases) {
        QFile::remove(c.written);
        fake.fileDialogs.saveAnswers = {c.chosen};
        fake.messages.okCancel = {true};
        EXPECT_TRUE(form.saveAs());
        EXPECT_EQ(form.FichierCourant, c.written);
        EXPECT_EQ(fiche.ledger.NomFichier, c.written);
        EXPECT_TRUE(QFile::exists(c.written)) << c.written.toStdString();
        EXPECT_NE(readBytes(c.written).find("<HEAD>\r\n"), std::string::npos);
    }
    const FileDialogRequest &request = fake.fileDialogs.saveRequests.front();
    EXPECT_EQ(request.fileName, QStringLiteral("*.jnl"));
    EXPECT_EQ(request.defaultExt, QStringLiteral("jnl"));
    EXPECT_EQ(request.filter, QStringLiteral("Fichiers compta (*.jnl)|*.jnl"));
    EXPECT_FALSE(request.confirmOverwrite);
    EXPECT_EQ(form.title(), QStringLiteral("Tavelin - [compta.jnl]"));
}

TEST_F(MainFormTest, SaveAsWritesAnUnchangedDocument)
{
    fake.fileDialogs.openAnswers = {ledger(QStringLiteral("compta.jnl"))};
    form.open();
    ASSERT_FALSE(fiche.ledger.Modifie);
    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("copie"))};
    EXPECT_TRUE(form.saveAs());
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("copie.jnl"))).substr(0, 50), kLedger.substr(0, 50));
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(MainFormTest, SaveAsOntoAnExistingFileAsksFirst)
{
    const QString path = dir.file(QStringLiteral("garde.jnl"));
    writeBytes(path, "ancien contenu\r\n");
    form.Nouveau();
    fake.fileDialogs.saveAnswers = {path};
    fake.messages.okCancel = {false};
    EXPECT_FALSE(form.saveAs());
    EXPECT_EQ(fake.messages.boxes.back(),
              (FakeMessages::Shown{Box::WarningOkCancel, QStringLiteral("Ce fichier existe déjà")}));
    EXPECT_EQ(readBytes(path), "ancien contenu\r\n");
    EXPECT_EQ(form.FichierCourant, path);

    fake.fileDialogs.saveAnswers = {path};
    fake.messages.okCancel = {true};
    EXPECT_TRUE(form.saveAs());
    EXPECT_NE(readBytes(path), "ancien contenu\r\n");
}

TEST_F(MainFormTest, CancelledSaveAsWritesNothing)
{
    form.Nouveau();
    EXPECT_FALSE(form.saveAs());
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(fiche.ledger.Modifie);
}

TEST_F(MainFormTest, SaveWritesOnlyAModifiedDocument)
{
    const QString path = ledger(QStringLiteral("compta.jnl"));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    QFile::remove(path);
    EXPECT_TRUE(form.save()); // nothing changed: nothing written
    EXPECT_FALSE(QFile::exists(path));
    fiche.SetSauve();
    EXPECT_TRUE(form.save());
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_TRUE(fake.fileDialogs.saveRequests.empty());
}

TEST_F(MainFormTest, SaveOfAnUnnamedDocumentStopsAtTheOverwriteQuestion)
{
    const QString path = dir.file(QStringLiteral("garde.jnl"));
    writeBytes(path, "ancien contenu\r\n");
    form.Nouveau();
    fake.fileDialogs.saveAnswers = {path};
    fake.messages.okCancel = {false};
    EXPECT_FALSE(form.save());
    EXPECT_EQ(readBytes(path), "ancien contenu\r\n");
}

TEST_F(MainFormTest, SaveWritesBackTheFileThatIsOpenWhateverDotsItsNameHolds)
{
    const QString path = ledger(QStringLiteral("compta.2002.jnl"));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    fiche.ledger.Lignes.append("2002050" "02/05/2002");
    fiche.SetSauve();
    EXPECT_TRUE(form.save());
    EXPECT_FALSE(exists(QStringLiteral("compta.jnl")));
    EXPECT_NE(readBytes(path).find("200205002/05/2002\r\n"), std::string::npos);
}

// --- Closing -------------------------------------------------------------------

TEST_F(MainFormTest, ClosingAnswers)
{
    modifiedDocument(QStringLiteral("compta.jnl"));
    fake.messages.yesNoCancel = {Messages::Answer::Cancel};
    EXPECT_FALSE(form.FormCloseQuery());
    fake.messages.yesNoCancel = {Messages::Answer::No};
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("compta.jnl"))), kLedger);
    fiche.ledger.Lignes.append("2002060" "03/06/2002");
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_NE(readBytes(dir.file(QStringLiteral("compta.jnl"))).find("200206003/06/2002\r\n"), std::string::npos);
}

TEST_F(MainFormTest, ClosingKeepsTheWorkWhenTheSaveIsCancelledOrFails)
{
    form.Nouveau(); // never saved
    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 1u);

    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("absent/compta"))};
    EXPECT_FALSE(form.FormCloseQuery());
    EXPECT_TRUE(fiche.ledger.Modifie);
    // The failed name is not kept: the next save asks for a name again.
    EXPECT_TRUE(form.FichierCourant.isEmpty());

    fake.messages.yesNoCancel = {Messages::Answer::Yes};
    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("compta"))};
    EXPECT_TRUE(form.FormCloseQuery());
    EXPECT_TRUE(exists(QStringLiteral("compta.jnl")));
}

TEST_F(MainFormTest, AReferenceFileUnreadAtStartUpIsLeftAsItWasAndTheUserToldOnce)
{
    unprivileged::handOver(dir.path());
    EXPECT_EQ(unprivileged::run([&] {
                  const std::string journals = "[JOURNAUX]\r\nVE O Ventes\r\nAC O Achats\r\n";
                  const QString path = dir.file(QStringLiteral("Tavelin.cbx"));
                  writeBytes(path, journals);
                  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
                  fiche.FormActivate();
                  form.FormShow();
                  ASSERT_EQ(fake.messages.shown.size(), 1); // told at start-up
                  fake.messages.shown.clear();

                  EXPECT_TRUE(form.closing());
                  EXPECT_EQ(fake.messages.shown,
                            QStringList{QStringLiteral("Le fichier %1 n'a pas pu être lu au démarrage : il a été laissé "
                                                       "tel quel.")
                                            .arg(path)});
                  EXPECT_TRUE(form.closing());
                  EXPECT_EQ(fake.messages.shown.size(), 1);
                  ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
                  EXPECT_EQ(readBytes(path), journals);
                  EXPECT_FALSE(exists(QStringLiteral("Tavelin.Cbx")));
              }),
              0);
}

TEST_F(MainFormTest, AReadOnlyStartUpFolderKeepsTheProgramOpenUntilTheUserGivesUp)
{
    unprivileged::handOver(dir.path());
    EXPECT_EQ(unprivileged::run([&] {
                  fiche.FormActivate();
                  form.FormShow();
                  EXPECT_TRUE(form.closing()); // the first exit writes the three files
                  const QStringList written = QDir(dir.path()).entryList(QDir::Files);
                  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);

                  // Nothing changed since: the program closes without a word.
                  EXPECT_TRUE(form.closing());
                  EXPECT_TRUE(fake.messages.shown.isEmpty());

                  fiche.ledger.ref.ListeJnx = QStringList{"VE N Ventes"};
                  fiche.ledger.ref.Societe[0] = QStringLiteral("SARL Tavelin");
                  EXPECT_FALSE(form.closing()); // the fake answers "Annuler"
                  ASSERT_EQ(fake.messages.shown.size(), 1);
                  EXPECT_EQ(fake.messages.shown[0],
                            QStringLiteral("Impossible d'enregistrer le fichier %1 : accès refusé.\n"
                                           "Impossible d'enregistrer le fichier %2 : accès refusé.\n\n"
                                           "Quitter Tavelin sans enregistrer ces changements ?")
                                .arg(dir.file(QStringLiteral("Tavelin.soc")), dir.file(QStringLiteral("Tavelin.Cbx"))));
                  fake.messages.okCancel = {true};
                  EXPECT_TRUE(form.closing());
                  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), written);
                  ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
              }),
              0);
}

// --- One session per dossier ----------------------------------------------------

TEST_F(MainFormTest, ADossierAnotherLiveSessionHoldsIsOpenedReadOnlyAllTheSameOrNotAtAll)
{
    const QString first = ledger(QStringLiteral("premier.jnl"));
    fake.fileDialogs.openAnswers = {first};
    form.open();
    const QString held = ledger(QStringLiteral("compta.jnl"));
    // A session that is still there: it holds its lock's flock.
    const std::string otherSession = "marie\n" + QSysInfo::machineHostName().toStdString() + "\n1\n2002-03-15T09:15:00\n";
    writeBytes(dossierlock::lockPath(held), otherSession);
    const HeldFlock liveSession(held);
    ASSERT_TRUE(liveSession.held());
    const QString question = QStringLiteral("Ce dossier est déjà ouvert par marie sur %1 depuis le 15/03/2002 à 09:15")
                                 .arg(QSysInfo::machineHostName());

    fake.fileDialogs.openAnswers = {held};
    form.open(); // "Annuler"
    EXPECT_EQ(fake.messages.boxes, (std::vector<FakeMessages::Shown>{{Box::WarningChoice, question}}));
    EXPECT_EQ(fake.messages.choiceButtons, (QStringList{"Ouvrir en &lecture seule", "&Ouvrir quand même"}));
    EXPECT_EQ(form.FichierCourant, first);
    EXPECT_EQ(fiche.ledger.NomFichier, first);
    EXPECT_TRUE(QFile::exists(dossierlock::lockPath(first)));

    const std::pair<Messages::Choice, bool> answers[] = {{Messages::Choice::First, true},    // "Ouvrir en lecture seule"
                                                         {Messages::Choice::Second, false}}; // "Ouvrir quand même"
    for (const auto &[answer, readOnly] : answers) {
        fake.messages.choices = {answer};
        fake.fileDialogs.openAnswers = {held};
        form.open();
        EXPECT_EQ(fiche.ledger.NomFichier, held);
        EXPECT_EQ(form.readOnly(), readOnly);
        EXPECT_FALSE(QFile::exists(dossierlock::lockPath(first)));
        // Either way the lock stays the other session's.
        EXPECT_EQ(readBytes(dossierlock::lockPath(held)), otherSession);
    }
}

TEST_F(MainFormTest, ADossierOpenReadOnlyIsSavedUnderAnotherNameOnly)
{
    const QString held = ledger(QStringLiteral("compta.jnl"));
    writeBytes(dossierlock::lockPath(held), "marie\nposte-compta\n4242\n2002-03-15T09:15:00\n");
    fake.messages.choices = {Messages::Choice::First};
    fake.fileDialogs.openAnswers = {held};
    form.open();
    EXPECT_EQ(form.title(), QStringLiteral("Tavelin - [compta.jnl (lecture seule)]"));
    fiche.SetSauve();

    // "Enregistrer" asks for a name; the dossier itself is refused, its
    // lock being the other session's.
    fake.messages.okCancel = {true};
    fake.fileDialogs.saveAnswers = {held};
    EXPECT_FALSE(form.save());
    EXPECT_EQ(fake.messages.shown.last(),
              QStringLiteral("Ce dossier est déjà ouvert par marie sur poste-compta depuis le 15/03/2002 à 09:15"));
    EXPECT_EQ(readBytes(held), kLedger);

    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("copie.jnl"))};
    EXPECT_TRUE(form.save());
    EXPECT_FALSE(form.readOnly());
    EXPECT_EQ(fiche.ledger.NomFichier, dir.file(QStringLiteral("copie.jnl")));
    EXPECT_TRUE(QFile::exists(dossierlock::lockPath(dir.file(QStringLiteral("copie.jnl")))));
    EXPECT_EQ(fake.fileDialogs.saveRequests.size(), 2u);
}

TEST_F(MainFormTest, ALockThatIsNoRegularFileKeepsTheDossierClosed)
{
    const QString path = ledger(QStringLiteral("compta.jnl"));
    ASSERT_TRUE(QDir().mkdir(dossierlock::lockPath(path)));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    EXPECT_EQ(fake.messages.boxes,
              FakeMessages::informationBox(QStringLiteral("Le verrou %1 n'est pas un fichier ordinaire : le dossier "
                                                          "n'est pas ouvert.")
                                               .arg(dossierlock::lockPath(path))));
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(form.FichierCourant.isEmpty());
}

TEST_F(MainFormTest, TheLockFollowsTheDossierAndGoesWhenTheProgramCloses)
{
    const QString path = ledger(QStringLiteral("compta.jnl"));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    EXPECT_TRUE(QFile::exists(dossierlock::lockPath(path)));
    form.Nouveau();
    EXPECT_FALSE(QFile::exists(dossierlock::lockPath(path)));

    fake.fileDialogs.saveAnswers = {dir.file(QStringLiteral("nouveau"))};
    ASSERT_TRUE(form.save());
    const QString saved = dir.file(QStringLiteral("nouveau.jnl"));
    EXPECT_TRUE(QFile::exists(dossierlock::lockPath(saved)));
    EXPECT_TRUE(form.closing());
    EXPECT_FALSE(QFile::exists(dossierlock::lockPath(saved)));
}

TEST_F(MainFormTest, AnotherSessionsLiveLockAtStartUpLeavesTheDocumentUnnamed)
{
    const QString held = ledger(QStringLiteral("compta.jnl"));
    writeBytes(dossierlock::lockPath(held),
               "marie\nposte-compta\n4242\n2002-03-15T09:15:00\n");
    writeBytes(dir.file(QStringLiteral("Tavelin.ini")), settings(held, 1));
    fiche.FormActivate();
    form.FormShow(); // "Annuler"
    EXPECT_EQ(fake.messages.shown,
              QStringList{QStringLiteral("Ce dossier est déjà ouvert par marie sur poste-compta depuis le 15/03/2002 à 09:15")});
    EXPECT_TRUE(fiche.ledger.NomFichier.isEmpty());
    EXPECT_TRUE(form.FichierCourant.isEmpty());
    EXPECT_TRUE(fiche.ledger.Lignes.empty());
}

// --- Other commands ---------------------------------------------------------------

TEST_F(MainFormTest, AutoOpenToggleStoresTheStateAndTakesTheDocumentName)
{
    const QString path = ledger(QStringLiteral("compta.jnl"));
    fake.fileDialogs.openAnswers = {path};
    form.open();
    form.FichierCourant.clear(); // as after a cancelled save as
    form.toggleOpenAutomatically();
    EXPECT_TRUE(form.openAutomaticallyChecked);
    EXPECT_EQ(fiche.ledger.ref.OuvrirAuto, 1);
    EXPECT_EQ(form.FichierCourant, path);
    form.toggleOpenAutomatically();
    EXPECT_FALSE(form.openAutomaticallyChecked);
    EXPECT_EQ(fiche.ledger.ref.OuvrirAuto, 0);
}

TEST_F(MainFormTest, HelpCommandsNameTheHelpFile)
{
    form.helpContents();
    fiche.FormActivate();
    form.FormShow();
    form.helpSearch();
    form.helpOnHelp();
    form.contextHelp(7);
    const auto &calls = fake.help.calls;
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0].kind, FakeHelpViewer::Kind::Contents);
    EXPECT_EQ(calls[0].helpFile, QStringLiteral("Tavelin.hlp"));
    EXPECT_EQ(calls[1].kind, FakeHelpViewer::Kind::Search);
    EXPECT_EQ(calls[1].helpFile, dir.file(QStringLiteral("Tavelin.hlp")));
    EXPECT_TRUE(calls[1].key.isEmpty());
    EXPECT_EQ(calls[2].kind, FakeHelpViewer::Kind::HelpOnHelp);
    EXPECT_EQ(calls[3].kind, FakeHelpViewer::Kind::Context);
    EXPECT_EQ(calls[3].context, 7);
}

TEST_F(MainFormTest, PrinterSetUpIsThePlatformDialog)
{
    form.printerSetup();
    EXPECT_EQ(fake.printerDialogs.setupCalls, 1);
    EXPECT_EQ(fake.printerDialogs.printCalls, 0);
}

TEST_F(MainFormTest, PrintOpensThePrintDialogAndPrintsThePageShownOnlyOnOk)
{
    openOnItsEntry();
    form.Imprimer();
    EXPECT_EQ(fake.printerDialogs.printCalls, 1);
    EXPECT_TRUE(fake.printer.calls.empty()) << "cancelled: nothing printed";
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    fake.printerDialogs.printAnswer = true;
    form.Imprimer();
    EXPECT_EQ(fake.printerDialogs.printCalls, 2);
    const std::vector<QString> texts = fake.printer.texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.front(), QStringLiteral("Journal de Mars 2002"));
    EXPECT_NE(std::find(texts.begin(), texts.end(), QStringLiteral("Achat de marchandises")), texts.end());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, PreviewDrawsThePageShownWithoutThePrintDialog)
{
    openOnItsEntry();
    form.preview();
    EXPECT_EQ(fake.printerDialogs.previewCalls, 1);
    EXPECT_EQ(fake.printerDialogs.printCalls, 0);
    ASSERT_FALSE(fake.printerDialogs.previewed.texts().empty());
    EXPECT_EQ(fake.printerDialogs.previewed.texts().front(), QStringLiteral("Journal de Mars 2002"));
    EXPECT_TRUE(fake.printer.calls.empty());
}

TEST_F(MainFormTest, TheBalanceSheetPrintsLikeTheOtherPages)
{
    fiche.showPage(Page::Bilan);
    form.Imprimer();
    form.preview();
    EXPECT_EQ(fake.printerDialogs.printCalls, 1);
    EXPECT_EQ(fake.printerDialogs.previewCalls, 1);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(MainFormTest, PageSetUpIsThePlatformDialog)
{
    form.pageSetup();
    EXPECT_EQ(fake.printerDialogs.pageSetupCalls, 1);
    EXPECT_EQ(fake.printerDialogs.setupCalls, 0);
}

TEST_F(MainFormTest, ProgramFileCheck)
{
    const QString program = dir.file(QStringLiteral("tavelin"));
    writeBytes(program, std::string(100000, 'x'));
    form.checkProgramFile(program);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    form.checkProgramFile(dir.file(QStringLiteral("disparu")));
    writeBytes(program, "");
    form.checkProgramFile(program);
    ASSERT_EQ(fake.messages.shown.size(), 2);
    EXPECT_TRUE(fake.messages.shown[0].contains(QStringLiteral("disparu")));
    EXPECT_TRUE(fake.messages.shown[0].contains(QStringLiteral("introuvable")));
    EXPECT_TRUE(fake.messages.shown[1].contains(QStringLiteral("fichier vide")));
}

TEST(MainFormClock, LongTimeForm)
{
    EXPECT_EQ(MainForm::clockText(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
    EXPECT_EQ(MainForm::clockText(QTime(23, 59, 59)), QStringLiteral("23:59:59"));
}
