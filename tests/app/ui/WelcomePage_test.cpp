#include "WidgetTests.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "app/ui/WelcomePage.h"
#include "document/ui/TFiche.h"
#include "reference/ui/NewBooksDialog.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "support/TypeKeys.h"

#include <QCommandLinkButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// The main window of a user without books: the welcome page, its assistant
// making the books, a refusal told by the platform's message box, and a
// dossier of the last ones opened.

class WelcomePageTest : public QObject {
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

    void theAssistantMakesTheBooksAndOpensThem()
    {
        const QString books = dir->file(QStringLiteral("livres"));
        QDir().mkpath(books);
        fake->fileDialogs.folderAnswers.push_back(books);
        main = startApplication(fake->platform);
        QVERIFY(main->welcomePage->isVisible());
        QVERIFY(!main->welcomePage->recentTitle->isVisible());
        const bool closed = whileModal<NewBooksDialog>(
            [&] { QTest::mouseClick(main->welcomePage->createButton, Qt::LeftButton); },
            [](NewBooksDialog &dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Nouvelle comptabilité"));
                QCOMPARE(dialog.fileNameField->text(), QStringLiteral("compta-2002.jnl"));
                typeInto(dialog.companyField, QStringLiteral("Boulangerie Dupont"));
                typeInto(dialog.addressFields[0], QStringLiteral("3 place du Marché"));
                typeInto(dialog.sirenField, QStringLiteral("732 829 320"));
                QTest::mouseClick(dialog.browseButton, Qt::LeftButton);
                QTest::mouseClick(dialog.completeChoice, Qt::LeftButton);
                QTest::mouseClick(dialog.createButton, Qt::LeftButton);
            });
        QVERIFY(closed);
        QVERIFY(QFileInfo::exists(books + QStringLiteral("/compta-2002.jnl")));
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(!main->welcomePage->isVisible());
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin - [compta-2002.jnl]"));
        QCOMPARE(readBytes(dir->file(QStringLiteral("Tavelin.soc"))).substr(0, 39),
                 std::string("Boulangerie Dupont\r\n3 place du March\xE9\r\n"));
        QCOMPARE(main->fiche()->fiche().ledger.ref.accountItems.size(), qsizetype(840));
    }

    void aRefusalIsToldAndTheAssistantStaysOpen()
    {
        main = startApplication(fake->platform);
        bool stayedOpen = false;
        whileModal<NewBooksDialog>([&] { QTest::mouseClick(main->welcomePage->createButton, Qt::LeftButton); },
                                   [&](NewBooksDialog &dialog) {
                                       typeInto(dialog.companyField, QStringLiteral("Boulangerie Dupont"));
                                       typeInto(dialog.sirenField, QStringLiteral("000000000"));
                                       QTest::mouseClick(dialog.createButton, Qt::LeftButton);
                                       stayedOpen = dialog.isVisible();
                                       QTest::mouseClick(dialog.cancelButton, Qt::LeftButton);
                                   });
        QVERIFY(stayedOpen);
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("Le SIREN « 000000000 » n'est pas valide : il compte 9 chiffres, le "
                                            "dernier étant la clé de contrôle.")});
        QVERIFY(main->welcomePage->isVisible());
        QVERIFY(!QFileInfo::exists(dir->file(QStringLiteral("Tavelin.plc"))));
    }

    void aCancelledOpenDialogLeavesTheWelcomeUp()
    {
        main = startApplication(fake->platform);
        QTest::mouseClick(main->welcomePage->openButton, Qt::LeftButton);
        QCOMPARE(fake->fileDialogs.openRequests.size(), std::size_t(1));
        QCOMPARE(fake->fileDialogs.openRequests[0].title, QStringLiteral("Ouvrir"));
        QVERIFY(main->welcomePage->isVisible());
    }

    void aDossierOfTheListOpens()
    {
        const QString dossier = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(dossier, "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n");
        const QString list = dir->file(QStringLiteral("derniers-dossiers"));
        writeBytes(list, dossier.toStdString() + "\n");
        main = startApplication(fake->platform,
                                [&](TMainForm &window) { window.form().recentDossiers = RecentDossiers(list); });
        QCOMPARE(main->welcomePage->recentButtons.size(), qsizetype(1));
        QCOMPARE(main->welcomePage->recentButtons[0]->text(), QStringLiteral("compta.jnl"));
        QTest::mouseClick(main->welcomePage->recentButtons[0], Qt::LeftButton);
        QCOMPARE(main->windowTitle(), QStringLiteral("Tavelin - [compta.jnl]"));
        QVERIFY(!main->welcomePage->isVisible());
    }

private:
    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TMainForm> main;
};

TAVELIN_WIDGET_TEST(WelcomePageTest)
#include "WelcomePage_test.moc"
