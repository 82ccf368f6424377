#include "WidgetTests.h"
#include "platform/HelpBook.h"
#include "platform/ui/HelpWindow.h"
#include "platform/ui/QtHelpViewer.h"
#include "platform/ui/Resources.h"
#include "support/FakePlatform.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { loadTavelinResources(); }

    // The help shipped with the program: every page of the contents exists,
    // every link leads to a page of the book, every window and menu has its page.
    void shippedBookIsWhole()
    {
        HelpBook book;
        QString why;
        QVERIFY2(book.load(QtHelpViewer::bookFolder(QStringLiteral("/n'importe/où/Tavelin.hlp")), &why), qPrintable(why));
        QStringList files;
        for (const HelpTopic &t : book.topics())
            files.append(t.file);
        QVERIFY(files.size() >= 20);
        QCOMPARE(book.contentsPage(), QStringLiteral("index.html"));
        QCOMPARE(book.helpOnHelpPage(), QStringLiteral("utiliser-aide.html"));
        for (int context = 2; context <= 10; ++context)
            QVERIFY2(book.pageForContext(context) != book.contentsPage(), qPrintable(QString::number(context)));

        static const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
        for (const QString &file : files) {
            QFile page(book.folder() + u'/' + file);
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(page.readAll());
            QVERIFY2(html.contains(QStringLiteral("<title>") + book.titleOf(file).toHtmlEscaped() + QStringLiteral("</title>")),
                     qPrintable(file));
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const QString target = it.next().captured(1);
                QVERIFY2(target == QStringLiteral("aide.css") || files.contains(target), qPrintable(file + " -> " + target));
            }
        }
    }

    void entryPointsOfTheViewer()
    {
        FakeMessages messages;
        QtHelpViewer viewer(messages);
        const QString helpFile = QStringLiteral("/dossier/Tavelin.hlp");

        viewer.contents(helpFile);
        HelpWindow *window = viewer.window();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(window->currentPage(), QStringLiteral("index.html"));
        QCOMPARE(window->tabs->currentIndex(), 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("Aide - Bienvenue dans Tavelin"));
        QVERIFY(window->pageView->toPlainText().contains(QStringLiteral("comptabilité générale")));

        viewer.search(helpFile, QString());
        QCOMPARE(viewer.window(), window); // one window for the run
        QCOMPARE(window->tabs->currentIndex(), 1);
        QVERIFY(window->searchField->text().isEmpty());
        QCOMPARE(window->resultList->count(), window->book().topics().size());

        viewer.helpOnHelp(helpFile);
        QCOMPARE(window->currentPage(), QStringLiteral("utiliser-aide.html"));
        viewer.context(helpFile, 7);
        QCOMPARE(window->currentPage(), QStringLiteral("parametres.html"));
        QVERIFY(messages.shown.isEmpty());
    }

    void searchingAndMovingAround()
    {
        FakeMessages messages;
        QtHelpViewer viewer(messages);
        viewer.search(QStringLiteral("Tavelin.hlp"), QString());
        HelpWindow *window = viewer.window();
        QTest::keyClicks(window->searchField, QStringLiteral("releve"));
        QVERIFY(window->resultList->count() > 0);
        // The bank reconciliation says "relevé" in its keywords.
        QCOMPARE(window->resultList->item(0)->text(), QStringLiteral("Le rapprochement bancaire"));
        QTest::keyClick(window->searchField, Qt::Key_Return);
        QCOMPARE(window->currentPage(), QStringLiteral("rapprochement.html"));

        window->showPage(QStringLiteral("balance.html"));
        QVERIFY(window->backButton->isEnabled());
        QTest::mouseClick(window->backButton, Qt::LeftButton);
        QCOMPARE(window->currentPage(), QStringLiteral("rapprochement.html"));
        QTest::mouseClick(window->contentsButton, Qt::LeftButton);
        QCOMPARE(window->currentPage(), QStringLiteral("index.html"));

        window->searchField->setText(QStringLiteral("mot absent de toute page"));
        QCOMPARE(window->resultList->count(), 0);
    }

    void unknownHelpFileIsReported()
    {
        FakeMessages messages;
        QtHelpViewer viewer(messages);
        viewer.contents(QStringLiteral("/dossier/Autre.hlp"));
        QVERIFY(!viewer.window());
        QCOMPARE(messages.shown.size(), 1);
        QVERIFY(messages.shown[0].startsWith(QStringLiteral("Impossible d'ouvrir l'aide")));
    }
};

TAVELIN_WIDGET_TEST(HelpWindowTest)
#include "HelpWindow_test.moc"
