#include "WidgetTests.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "document/ui/TFiche.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/ToolMenus.h"
#include "desk/ui/TBlocnotes.h"
#include "desk/ui/TCalendrier.h"
#include "desk/ui/TFicheMsg.h"
#include "desk/ui/THorloge.h"

#include <QAction>
#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

// The clock, calendar, notepad and message book, opened from the main
// window's menus as the user does, with the application started as usual.
class DeskToolMenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TMainForm> main;

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2002, 3, 15);
        fake->clock.time = QTime(10, 30, 0);
        main = startApplication(fake->platform);
        QVERIFY(main->isVisible());
    }
    void cleanup()
    {
        main.reset();
        fake.reset();
        dir.reset();
    }

    void clock()
    {
        openFromMenu<THorloge>(*main, Cmd::Clock, QStringLiteral("&Horloge"), QStringLiteral("Horloge"), main.get(),
                               [](THorloge *clock) {
                                   QCOMPARE(clock->timeDisplay->text(), QStringLiteral("10:30:00"));
                                   QTest::mouseClick(clock->setButton, Qt::LeftButton);
                                   QTest::mouseClick(clock->setButton, Qt::LeftButton);
                                   QTest::mouseClick(clock->closeButton, Qt::LeftButton);
                               });
        QCOMPARE(fake->clockSetter.instants.size(), std::size_t(1));
    }

    void calendar()
    {
        openFromMenu<TCalendrier>(*main, Cmd::Calendar, QStringLiteral("&Calendrier"), QStringLiteral("Calendrier"),
                                  main.get(), [](TCalendrier *calendar) {
                                      QCOMPARE(calendar->calendar->selectedDate(), QDate(2002, 3, 15));
                                      QCOMPARE(calendar->title->text(), QStringLiteral("mars  2002"));
                                      QTest::keyClick(calendar, Qt::Key_Escape);
                                  });
    }

    void notepadKeepsItsFileInTheStartUpFolder()
    {
        // Confirming a file dialog may move the current folder elsewhere.
        const QString startUp = dir->path();
        QTemporaryDir elsewhere;
        QDir::setCurrent(elsewhere.path());
        openFromMenu<TBlocnotes>(*main, Cmd::Notepad, QStringLiteral("&Bloc-notes"), QStringLiteral("Bloc-notes"),
                                 main.get(),
                                 [](TBlocnotes *notes) {
                                     QTest::keyClicks(notes->notes, "Rappeler Dupont");
                                     QTest::mouseClick(notes->closeButton, Qt::LeftButton);
                                 });
        QCOMPARE(readBytes(QDir(startUp).filePath(QStringLiteral("Tavelin.nte"))), std::string("Rappeler Dupont\r\n"));
        QVERIFY(!QFileInfo::exists(QDir(elsewhere.path()).filePath(QStringLiteral("Tavelin.nte"))));

        openFromMenu<TBlocnotes>(*main, Cmd::Notepad, QStringLiteral("&Bloc-notes"), QStringLiteral("Bloc-notes"),
                                 main.get(),
                                 [](TBlocnotes *notes) {
                                     QCOMPARE(notes->notes->toPlainText(), QStringLiteral("Rappeler Dupont"));
                                     QTest::keyClick(notes->notes, Qt::Key_Escape);
                                 });
        QDir::setCurrent(startUp);
    }

    void messagesStandBesideTheDossier()
    {
        const QString folder = dir->file(QStringLiteral("exercice.2002"));
        QVERIFY(QDir().mkdir(folder));
        main->fiche()->fiche().ledger.NomFichier = QDir(folder).filePath(QStringLiteral("compta.jnl"));

        openFromMenu<TFicheMsg>(*main, Cmd::Messages, QStringLiteral("&Messages"), QStringLiteral("Messages"), main->fiche(),
                                [](TFicheMsg *book) {
                                    QTest::keyClicks(book->recipientField, "Marie");
                                    QTest::mouseClick(book->closeButton, Qt::LeftButton);
                                });
        const QString bookFile = QDir(folder).filePath(QStringLiteral("compta.oms"));
        QCOMPARE(readBytes(bookFile), std::string("Marie\t\t\t\t\t\t\tFFFFF\r\n"));

        openFromMenu<TFicheMsg>(*main, Cmd::Messages, QStringLiteral("&Messages"), QStringLiteral("Messages"), main->fiche(),
                                [](TFicheMsg *book) {
                                    QCOMPARE(book->recipientField->text(), QStringLiteral("Marie"));
                                    QTest::mouseClick(book->addButton, Qt::LeftButton);
                                    QCOMPARE(book->numberLabel->text(), QStringLiteral("2"));
                                    QTest::keyClick(book->recipientField, Qt::Key_Escape);
                                });
        QCOMPARE(readBytes(bookFile), std::string("Marie\t\t\t\t\t\t\tFFFFF\r\n\t\t\t\t\t\t\tFFFFF\r\n"));
    }

    void messagesOfADossierNeverSaved()
    {
        QVERIFY(main->fiche()->fiche().ledger.NomFichier.isEmpty());
        openFromMenu<TFicheMsg>(*main, Cmd::Messages, QStringLiteral("&Messages"), QStringLiteral("Messages"), main->fiche(),
                                [](TFicheMsg *book) { QTest::mouseClick(book->closeButton, Qt::LeftButton); });
        QCOMPARE(readBytes(dir->file(QStringLiteral(".oms"))), std::string("\t\t\t\t\t\t\tFFFFF\r\n"));
    }
};

TAVELIN_WIDGET_TEST(DeskToolMenusTest)
#include "DeskToolMenus_test.moc"
