#include "WidgetTests.h"
#include "../MainWindowTexts.h"
#include "app/ui/StartUp.h"
#include "app/ui/TAboutBox.h"
#include "app/ui/TMainForm.h"
#include "app/ui/TSplash.h"
#include "document/ui/TFiche.h"
#include "entry/ui/TClient.h"
#include "entry/ui/TFour.h"
#include "entry/ui/TParams.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

const std::string kMainFormLedger =
    "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
    "2002030" "15/03/2002\r\n" "2002031" "607000\r\n" "2002032" "Achat\r\n" "2002033" "AC\r\n"
    "2002034\r\n" "2002035" "    120,00\r\n" "2002036\r\n" "2002037\r\n";

void writeSettings(const QString &path, const QString &lastFile, int openAutomatically)
{
    writeBytes(path, " 0.00000000000000E+0000\r\n" + lastFile.toStdString() + "\r\n" + std::to_string(openAutomatically)
                         + "\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
}

// The items of a menu as shown, in the rows of MainWindowTexts.h.
QStringList menuRows(const QMenu *menu, const QString &indent = {})
{
    QStringList rows;
    for (const QAction *a : menu->actions()) {
        if (a->isSeparator()) {
            rows.append(mainwindow::kSeparator);
            continue;
        }
        rows.append(indent + mainwindow::row(a->text(), a->statusTip(), a->isEnabled(),
                                             a->shortcut().toString(QKeySequence::PortableText), a->isCheckable()));
        if (a->menu())
            rows += menuRows(a->menu(), indent + mainwindow::kSubmenuIndent);
    }
    return rows;
}

// The tool bar's buttons as shown, in the rows of MainWindowTexts.h.
QStringList toolRows(const TMainForm &main)
{
    QStringList rows;
    const QToolBar *bar = main.findChild<QToolBar *>();
    for (QAction *a : bar->actions()) {
        const QWidget *button = bar->widgetForAction(a);
        rows.append(a->isSeparator() ? mainwindow::kSeparator
                                     : mainwindow::row(button->toolTip(), button->statusTip(), button->isEnabled()));
    }
    return rows;
}

// Every row of the menus, then of the tool bar, as shown.
QStringList allRows(const TMainForm &main)
{
    QStringList rows;
    for (const QAction *top : main.menuBar()->actions())
        rows += menuRows(top->menu());
    return rows + toolRows(main);
}

QStringList expectedRows()
{
    QStringList rows;
    for (const mainwindow::ExpectedMenu &menu : mainwindow::kMenus)
        rows += menu.rows;
    return rows + mainwindow::kToolBar;
}

// The rows once `Valide` has run: every command available.
QStringList validated(QStringList rows)
{
    rows.replaceInStrings(QStringLiteral(" | off"), QStringLiteral(" | on"));
    // The next year is offered only once the year is closed for good.
    const QString nextYear = QStringLiteral("Ouvrir l'exercice &suivant… | Créer et ouvrir le dossier de l'exercice suivant");
    return rows.replaceInStrings(nextYear + QStringLiteral(" | on"), nextYear + QStringLiteral(" | off"));
}

} // namespace

class TMainFormTest : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
    }
    void cleanup()
    {
        main.reset();
        fake.reset();
        dir.reset();
    }

    void startUpReopensTheLastFile()
    {
        const QString path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kMainFormLedger);
        writeSettings(dir->file(QStringLiteral("Tavelin.ini")), path, 1);
        main = startApplication(fake->platform);
        QVERIFY(main->isVisible());
        QCOMPARE(main->fiche()->fiche().ledger.NomFichier, path);
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin - [compta.jnl]"));
        QVERIFY(main->menuAction(Cmd::OuvrirAuto)->isChecked());
        QCOMPARE(allRows(*main), validated(expectedRows()));
        for (QWidget *w : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<TSplash *>(w));
        QVERIFY(fake->messages.shown.isEmpty()); // the program's own file reads whole
        // The document window lives inside the main window, without a frame of its own.
        QVERIFY(!main->fiche()->isWindow());
        QCOMPARE(main->fiche()->window(), main.get());
    }

    void startUpWithAMissingLastFile()
    {
        writeSettings(dir->file(QStringLiteral("Tavelin.ini")), dir->file(QStringLiteral("parti.jnl")), 1);
        main = startApplication(fake->platform);
        QVERIFY(main->fiche()->fiche().ledger.NomFichier.isEmpty());
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin"));
        QVERIFY(main->menuAction(Cmd::Save)->isEnabled());
        QVERIFY(main->toolButton(Cmd::Balance)->isEnabled());
    }

    void startUpWithoutAutoOpenWaitsForADocument()
    {
        main = startApplication(fake->platform);
        QVERIFY(!main->menuAction(Cmd::OuvrirAuto)->isChecked());
        QCOMPARE(allRows(*main), expectedRows());
        main->menuAction(Cmd::Open)->trigger(); // the open dialog is cancelled
        QCOMPARE(allRows(*main), validated(expectedRows()));
    }

    void startUpOpensTheDossierOfTheCommandLine()
    {
        const QString path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kMainFormLedger);
        main = startApplication(fake->platform, {}, {path});
        QCOMPARE(main->fiche()->fiche().ledger.NomFichier, path);
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin - [compta.jnl]"));
        QVERIFY(main->menuAction(Cmd::Save)->isEnabled());
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void startUpRefusesAFileThatIsNoDossierAsOuvrirDoes()
    {
        writeBytes(dir->file(QStringLiteral("compta.txt")), kMainFormLedger);
        main = startApplication(fake->platform, {}, {QStringLiteral("compta.txt")});
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Type de fichier non valide")});
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin"));
        QVERIFY(!main->menuAction(Cmd::Save)->isEnabled());
    }

    void frenchSettingsForTheRun()
    {
        main = startApplication(fake->platform);
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        QCOMPARE(QLocale().toString(QDate(2002, 3, 5), QLocale::ShortFormat), QStringLiteral("05/03/2002"));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
        QCOMPARE(QCoreApplication::translate("QAbstractFileIconProvider", "Folder"), QStringLiteral("Dossier"));
    }

    void menusShowTheirCaptionsHintsKeysAndStartStates()
    {
        main = std::make_unique<TMainForm>(fake->platform);
        const QList<QAction *> tops = main->menuBar()->actions();
        QCOMPARE(tops.size(), mainwindow::kMenus.size());
        for (qsizetype i = 0; i < tops.size(); ++i) {
            QCOMPARE(tops[i]->text(), mainwindow::kMenus[i].caption);
            QCOMPARE(menuRows(tops[i]->menu()), mainwindow::kMenus[i].rows);
        }
        QCOMPARE(main->menuAction(Cmd::Quit)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
        QCOMPARE(main->menuAction(Cmd::ContinueSearch)->shortcut(), QKeySequence(Qt::Key_F3));
    }

    void toolBarOfFlatButtonsInGroups()
    {
        main = std::make_unique<TMainForm>(fake->platform);
        QToolBar *bar = main->findChild<QToolBar *>();
        QVERIFY(bar);
        int buttons = 0;
        int separators = 0;
        for (QAction *a : bar->actions()) {
            if (a->isSeparator()) {
                ++separators;
                continue;
            }
            ++buttons;
            auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(a));
            QVERIFY(button);
            QCOMPARE(button->size(), QSize(25, 25));
            QVERIFY(button->autoRaise());
            QVERIFY(!button->icon().isNull());
            QVERIFY(!button->icon().pixmap(QSize(18, 18)).isNull());
        }
        QCOMPARE(buttons, 16);
        QCOMPARE(separators, 4);
        QCOMPARE(toolRows(*main), mainwindow::kToolBar);
    }

    void hintsGoToTheFirstPanel()
    {
        main = std::make_unique<TMainForm>(fake->platform);
        main->show();
        main->menuAction(Cmd::Nouveau)->showStatusText(main->menuBar());
        QCOMPARE(main->hintPanel->text(), QStringLiteral("Nouveau dossier"));
        QStatusTipEvent tip(QStringLiteral("Aide d'un champ"));
        QCoreApplication::sendEvent(main->fiche(), &tip);
        QCOMPARE(main->hintPanel->text(), QStringLiteral("Aide d'un champ"));
        QVERIFY(main->statusBar()->currentMessage().isEmpty());
        main->resize(800, 600);
        QTRY_COMPARE(main->hintPanel->width(), 700);
        main->resize(1000, 600);
        QTRY_COMPARE(main->hintPanel->width(), 900);
    }

    void clockPanelFollowsTheTime()
    {
        main = std::make_unique<TMainForm>(fake->platform);
        main->show();
        fake->clock.time = QTime(11, 12, 13);
        main->clockTick();
        QCOMPARE(main->clockPanel->text(), QStringLiteral("11:12:13"));
        fake->clock.time = QTime(11, 12, 14);
        main->clockTick();
        QCOMPARE(main->clockPanel->text(), QStringLiteral("11:12:14"));
        QCOMPARE(main->clockPanel->alignment(), Qt::AlignCenter);
    }

    void closingAsksAboutUnsavedWork()
    {
        main = startApplication(fake->platform);
        main->menuAction(Cmd::Nouveau)->trigger(); // a new document counts as modified
        QVERIFY(main->fiche()->fiche().ledger.Modifie);

        fake->messages.yesNoCancel = {Messages::Answer::Cancel};
        QVERIFY(!main->close());
        QVERIFY(main->isVisible());
        fake->messages.yesNoCancel = {Messages::Answer::Yes}; // then the save dialog is cancelled
        QVERIFY(!main->close());
        QCOMPARE(fake->fileDialogs.saveRequests.size(), std::size_t(1));
        QVERIFY(!QFile::exists(dir->file(QStringLiteral("Tavelin.ini"))));

        fake->messages.yesNoCancel = {Messages::Answer::No};
        QVERIFY(main->close());
        QVERIFY(!main->isVisible());
        QVERIFY(QFile::exists(dir->file(QStringLiteral("Tavelin.ini"))));
        QVERIFY(QFile::exists(dir->file(QStringLiteral("Tavelin.soc"))));
        QVERIFY(QFile::exists(dir->file(QStringLiteral("Tavelin.Cbx"))));
        // Each attempt asked once, in a warning box with Oui, Non and Annuler.
        const FakeMessages::Shown prompt{FakeMessages::Box::WarningYesNoCancel,
                                         QStringLiteral("Enregistrer les changements du nouveau dossier ?")};
        QVERIFY(fake->messages.boxes == std::vector<FakeMessages::Shown>(3, prompt));
    }

    void aReferenceFileThatCannotBeWrittenKeepsTheWindowOpenUntilTheUserGivesUp()
    {
        // A folder where the company file should be: no one can write it.
        QDir(dir->path()).mkdir(QStringLiteral("Tavelin.soc"));
        main = startApplication(fake->platform);
        QVERIFY(!main->close()); // the fake answers "Annuler"
        QVERIFY(main->isVisible());
        QCOMPARE(fake->messages.shown.size(), 1);
        QVERIFY(fake->messages.boxes[0].box == FakeMessages::Box::WarningOkCancel);
        QVERIFY2(fake->messages.shown[0].startsWith(QStringLiteral("%1 n'est pas un fichier ordinaire\n")
                                                        .arg(dir->file(QStringLiteral("Tavelin.soc")))),
                 qPrintable(fake->messages.shown[0]));
        QVERIFY(fake->messages.shown[0].endsWith(QStringLiteral("Quitter Tavelin sans enregistrer ces changements ?")));
        // The other files were written all the same.
        QVERIFY(QFile::exists(dir->file(QStringLiteral("Tavelin.ini"))));
        QVERIFY(QFile::exists(dir->file(QStringLiteral("Tavelin.Cbx"))));

        fake->messages.okCancel = {true};
        QVERIFY(main->close());
        QVERIFY(!main->isVisible());
    }

    void quitAndAltX()
    {
        main = startApplication(fake->platform);
        main->menuAction(Cmd::Quit)->trigger();
        QVERIFY(!main->isVisible());

        main = startApplication(fake->platform);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), Qt::Key_X, Qt::AltModifier);
        QTRY_VERIFY(!main->isVisible());
    }

    void altEOpensTheEditionMenuWhoseLetterIsAccented()
    {
        main = startApplication(fake->platform);
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), Qt::Key_E, Qt::AltModifier);
        QAction *active = main->menuBar()->activeAction();
        QVERIFY(active);
        QCOMPARE(active->text(), QStringLiteral("&Édition"));
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }

    void documentCommandsReachTheDocument()
    {
        openLedger();
        Fiche &f = main->fiche()->fiche();
        QCOMPARE(f.ledger.Mois, quint16(1)); // the year is not over: its first month
        main->toolButton(Cmd::Dernier)->click();
        QCOMPARE(f.ledger.Mois, quint16(12));
        main->menuAction(Cmd::Precedent)->trigger();
        QCOMPARE(f.ledger.Mois, quint16(11));
        main->menuAction(Cmd::Journal)->trigger();
        QCOMPARE(f.ActivePage, Page::Journal);
        main->toolButton(Cmd::Saisie)->click();
        QCOMPARE(f.ActivePage, Page::Saisie);
        main->menuAction(Cmd::Exercice)->trigger();
        QCOMPARE(fake->fiscalYear.calls, 1);
        QVERIFY(f.ledger.Modifie);
        main->menuAction(Cmd::Pointer)->trigger();
        QVERIFY(main->menuAction(Cmd::Pointer)->isChecked());
        main->menuAction(Cmd::OuvrirAuto)->trigger();
        QVERIFY(main->menuAction(Cmd::OuvrirAuto)->isChecked());
        QCOMPARE(f.ledger.ref.OuvrirAuto, 1);
        main->menuAction(Cmd::PrinterSetup)->trigger();
        QCOMPARE(fake->printerDialogs.setupCalls, 1);
    }

    void invoiceAndGuideCommandsOpenTheirDialogs()
    {
        openLedger();
        QStringList captions;
        const auto closeWithItsButton = [&captions](QDialog *dialog) {
            captions.append(dialog->windowTitle());
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        };
        onNextModal<TClient>([&](TClient *d) { closeWithItsButton(d); });
        main->menuAction(Cmd::CustomerInvoice)->trigger();
        onNextModal<TFour>([&](TFour *d) { closeWithItsButton(d); });
        main->menuAction(Cmd::SupplierInvoice)->trigger();
        onNextModal<TParams>([&](TParams *d) { closeWithItsButton(d); });
        main->menuAction(Cmd::Guides)->trigger();
        QCOMPARE(captions, (QStringList{"Facture client", "Facture fournisseur", "Paramètres de saisie"}));
    }

    void helpCommandsAndF1()
    {
        main = startApplication(fake->platform);
        const QString helpFile = dir->file(QStringLiteral("Tavelin.hlp"));
        main->menuAction(Cmd::HelpContents)->trigger();
        main->menuAction(Cmd::HelpSearch)->trigger();
        main->menuAction(Cmd::HelpOnHelp)->trigger();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        QTest::keyClick(main.get(), Qt::Key_F1);
        QMenu *settingsMenu = main->menuBar()->actions().at(4)->menu();
        main->menuBar()->setActiveAction(main->menuBar()->actions().at(4));
        QTRY_VERIFY(settingsMenu->isVisible());
        QTest::keyClick(settingsMenu, Qt::Key_F1);
        QTRY_VERIFY(!settingsMenu->isVisible());

        const auto &calls = fake->help.calls;
        QCOMPARE(calls.size(), std::size_t(5));
        QCOMPARE(int(calls[0].kind), int(FakeHelpViewer::Kind::Contents));
        QCOMPARE(int(calls[1].kind), int(FakeHelpViewer::Kind::Search));
        QVERIFY(calls[1].key.isEmpty());
        QCOMPARE(int(calls[2].kind), int(FakeHelpViewer::Kind::HelpOnHelp));
        QCOMPARE(calls[3].context, commands::kFicheHelpContext);
        QCOMPARE(calls[4].context, 7);
        for (const auto &call : calls)
            QCOMPARE(call.helpFile, helpFile);
    }

    void aboutBox()
    {
        main = std::make_unique<TMainForm>(fake->platform);
        bool seen = false;
        const QString folder = dir->path();
        onNextModal<TAboutBox>([&seen, &folder](TAboutBox *box) {
            seen = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("À propos"));
            QCOMPARE(box->ProductName->text(), QStringLiteral("Tavelin"));
            QVERIFY(box->ProductName->font().bold());
            QCOMPARE(box->Version->text(), QStringLiteral("Version 1.0"));
            QCOMPARE(box->Comments->text(), QStringLiteral("Comptabilité Générale"));
            QCOMPARE(box->ReferenceFolder->text(),
                     QStringLiteral("Fichiers communs (société, plan comptable, journaux, réglages) :\n") + folder);
            QVERIFY(!box->ProgramIcon->pixmap().isNull());
            QCOMPARE(box->OKButton->text(), QStringLiteral("OK"));
            QVERIFY(box->OKButton->isDefault());
            QTest::keyClick(box, Qt::Key_Return);
        });
        main->menuAction(Cmd::About)->trigger();
        QVERIFY(seen);
    }

    void splashWindow()
    {
        TSplash splash;
        QCOMPARE(splash.size(), QSize(318, 221));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.logo->size(), QSize(105, 105));
        QVERIFY(!splash.logo->pixmap().isNull());
        QCOMPARE(splash.titleLabel->text(), QStringLiteral("Tavelin"));
        QVERIFY(splash.titleLabel->font().bold());
        QCOMPARE(splash.versionLabel->text(), QStringLiteral("Version 2002"));

        // A message of the start-up is not left under it.
        splash.show();
        bool covered = true;
        onNextModal<QMessageBox>([&covered, &splash](QMessageBox *box) {
            covered = splash.isVisible();
            box->accept();
        });
        QMessageBox::information(nullptr, QStringLiteral("Tavelin"), QStringLiteral("Le fichier n'existe pas"));
        QVERIFY(!covered);
    }

private:
    // Starts the program and opens the 2002 ledger through "Ouvrir".
    void openLedger()
    {
        const QString path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kMainFormLedger);
        fake->fileDialogs.openAnswers = {path};
        main = startApplication(fake->platform);
        main->menuAction(Cmd::Open)->trigger();
    }

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TMainForm> main;
};

TAVELIN_WIDGET_TEST(TMainFormTest)
#include "TMainForm_test.moc"
