#include "WidgetTests.h"
#include "app/ui/StartUp.h"
#include "app/ui/TMainForm.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "wordproc/ui/TTexte.h"

#include <QAction>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>

// "Outils > Traitement de texte": the word processor over the main window,
// with the company's letterhead read at start-up.
class WordProcessorMenuTest : public QObject {
    Q_OBJECT

private slots:
    void opensMaximisedWithTheLetterhead()
    {
        CurrentTempDir dir;
        writeBytes(dir.file(QStringLiteral("Tavelin.soc")),
                   "SARL Tavelin\r\n12 rue des Lilas\r\n\r\n69000 LYON\r\nT\xE9l 04 78 00 00 00\r\n\r\nSIRET\r\n");
        FakePlatform fake;
        const std::unique_ptr<TMainForm> main = startApplication(fake.platform);
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));

        QAction *item = main->menuAction(Cmd::WordProcessor);
        QVERIFY(item);
        QCOMPARE(item->text(), QStringLiteral("&Traitement de texte"));
        QVERIFY(item->isEnabled());
        for (int opening = 0; opening < 2; ++opening) {
            bool opened = false;
            onNextModal<TTexte>([&](TTexte *window) {
                opened = true;
                QCOMPARE(window->windowTitle(), QStringLiteral("Texte"));
                QVERIFY(window->isModal());
                QVERIFY(window->windowState() & Qt::WindowMaximized);
                QVERIFY2(window->editor->document()->isEmpty(), "every opening starts with an empty text");
                QTest::mouseClick(window->newButton, Qt::LeftButton);
                QCOMPARE(window->editor->toPlainText(), QStringLiteral("SARL Tavelin\n12 rue des Lilas\n\n69000 LYON"));
                QTest::keyClick(window->editor, Qt::Key_Return);
                QTest::keyClicks(window->editor, "Madame,");
                fake.messages.yesNoCancel = {Messages::Answer::No};
                window->close();
            });
            item->trigger();
            QVERIFY(opened);
            QVERIFY(main->findChildren<TTexte *>().isEmpty());
        }
        QCOMPARE(fake.messages.shown,
                 (QStringList{QStringLiteral("Enregistrer changements dans  ?"), QStringLiteral("Enregistrer changements dans  ?")}));
    }
};

TAVELIN_WIDGET_TEST(WordProcessorMenuTest)
#include "WordProcessorMenu_test.moc"
