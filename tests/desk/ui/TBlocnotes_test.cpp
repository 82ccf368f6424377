#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/TypeKeys.h"
#include "desk/ui/TBlocnotes.h"

#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <sys/stat.h>

// The notepad driven by keys and clicks, on a notes file of a temporary folder.
class TBlocnotesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TBlocnotes> window;
    QString path;

    bool open()
    {
        window = std::make_unique<TBlocnotes>(fake->platform);
        if (!window->Charge(path))
            return false;
        showActive(*window);
        return true;
    }
    static qint64 inode(const QString &file)
    {
        struct stat st {};
        ::stat(QFile::encodeName(file).constData(), &st);
        return qint64(st.st_ino);
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        fake = std::make_unique<FakePlatform>();
        path = dir->filePath(QStringLiteral("Tavelin.nte"));
    }
    void cleanup()
    {
        window.reset();
        fake.reset();
        dir.reset();
    }

    void asItOpens()
    {
        writeBytes(path, "Appeler M. L\xe9vy\r\n\r\nCommande 12\r\n");
        QVERIFY(open());
        QCOMPARE(window->windowTitle(), QStringLiteral("Bloc-notes"));
        QCOMPARE(window->notes->toPlainText(), QStringLiteral("Appeler M. Lévy\n\nCommande 12"));
        QCOMPARE(window->printButton->toolTip(), QStringLiteral("Imprimer"));
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
        QCOMPARE(QApplication::focusWidget(), window->notes);
    }

    void fermerStays125PixelsFromTheRightEdge()
    {
        QVERIFY(open());
        for (int width : {400, 640}) {
            window->resize(width, 300);
            QCOMPARE(window->closeButton->mapTo(window.get(), QPoint(0, 0)).x(), width - 125);
        }
    }

    void closingWithoutTypingWritesNothing()
    {
        QVERIFY(open());
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QVERIFY(!QFileInfo::exists(path));

        writeBytes(path, "un\ndeux");
        const qint64 before = inode(path);
        QVERIFY(open());
        QTest::keyClick(window->notes, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("un\ndeux"));
        QCOMPARE(inode(path), before);
    }

    void typedNotesAreWrittenOnClosingEmptyLinesKept()
    {
        QVERIFY(open());
        QTest::keyClicks(window->notes, "Rappeler");
        QTest::keyClick(window->notes, Qt::Key_Return);
        QTest::keyClick(window->notes, Qt::Key_Return);
        typeInto(window->notes, QString::fromUtf8("Facture à 100 €"));
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("Rappeler\r\n\r\nFacture \xe0 100 \x80\r\n"));
        QVERIFY(fake->messages.shown.isEmpty());

        QVERIFY(open());
        QCOMPARE(window->notes->toPlainText(), QString::fromUtf8("Rappeler\n\nFacture à 100 €"));
    }

    void printingGoesStraightToThePrinter()
    {
        writeBytes(path, "Appeler Dupont\r\n\r\nCommande 12\r\n");
        QVERIFY(open());
        QTest::mouseClick(window->printButton, Qt::LeftButton);
        QCOMPARE(fake->printerDialogs.printCalls, 0);
        using Op = RecordingPrinter::Op;
        const auto fonts = fake->printer.only(Op::FontName);
        QCOMPARE(fonts.size(), std::size_t(1));
        QCOMPARE(fonts[0].text, window->notes->font().family());
        QCOMPARE(fake->printer.only(Op::FontSize)[0].a, 10);
        const int line = fake->printer.heightOf(10);
        const auto texts = fake->printer.only(Op::Text);
        QCOMPARE(texts.size(), std::size_t(2));
        QCOMPARE(texts[0].text, QStringLiteral("Appeler Dupont"));
        QCOMPARE(texts[1].text, QStringLiteral("Commande 12"));
        QCOMPARE(texts[1].b - texts[0].b, 2 * line);
        QCOMPARE(fake->printer.count(Op::End), 1);
        // Printing changes nothing of the notes.
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QCOMPARE(readBytes(path), std::string("Appeler Dupont\r\n\r\nCommande 12\r\n"));
    }

    void aPrinterThatRefusesIsSaid()
    {
        fake->printer.refuseBegin = true;
        QVERIFY(open());
        QTest::keyClicks(window->notes, "note");
        QTest::mouseClick(window->printButton, Qt::LeftButton);
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("L'impression n'a pas pu commencer : vérifiez l'imprimante choisie "
                                            "(menu Fichier, Configurer imprimante).")});
    }

    void aFailedWriteKeepsTheWindowOpen()
    {
        path = dir->filePath(QStringLiteral("disparu/Tavelin.nte"));
        QVERIFY(open());
        QTest::keyClicks(window->notes, "important");
        QTest::keyClick(window->notes, Qt::Key_Escape);
        const QString told = QStringLiteral("Impossible d'enregistrer le fichier %1 : fichier ou dossier introuvable.\n\n"
                                            "Fermer le bloc-notes sans enregistrer ces changements ?")
                                 .arg(path);
        QCOMPARE(fake->messages.boxes, (std::vector<FakeMessages::Shown>{{FakeMessages::Box::WarningOkCancel, told}}));
        QVERIFY(window->isVisible());
        QCOMPARE(window->notes->toPlainText(), QStringLiteral("important"));

        // The folder is back: the next closing writes.
        QVERIFY(QDir().mkdir(dir->filePath(QStringLiteral("disparu"))));
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("important\r\n"));
    }

    void charactersTheFileCannotHoldAreToldBeforeWriting()
    {
        QVERIFY(open());
        typeInto(window->notes, QString::fromUtf8("Ω ≠ ✓ ?"));
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QCOMPARE(fake->messages.shown,
                 QStringList{QString::fromUtf8("3 caractères absents du jeu de caractères Windows (1252) (Ω ≠ ✓) "
                                               "seront enregistrés comme « ? ».\n\nEnregistrer quand même ?")});
        QVERIFY(window->isVisible());
        QVERIFY(!QFile::exists(path));
        fake->messages.okCancel = {true};
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("? ? ? ?\r\n"));
    }

    void theUserMayGiveUpTheChanges()
    {
        path = dir->filePath(QStringLiteral("disparu/Tavelin.nte"));
        QVERIFY(open());
        QTest::keyClicks(window->notes, "perdu");
        fake->messages.okCancel = {true};
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(fake->messages.shown.size(), 1);
    }

    void anUnreadableFileKeepsTheWindowClosed()
    {
        QVERIFY(QDir().mkdir(path));
        QVERIFY(!open());
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("Impossible de lire le fichier %1 : le chemin désigne un dossier.").arg(path)});
    }
};

TAVELIN_WIDGET_TEST(TBlocnotesTest)
#include "TBlocnotes_test.moc"
