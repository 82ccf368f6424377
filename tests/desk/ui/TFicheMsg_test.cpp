#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/TypeKeys.h"
#include "desk/ui/TFicheMsg.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

// The message book driven by keys and clicks, on a book file of a temporary folder.
class TFicheMsgTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFicheMsg> window;
    QString path;

    bool open()
    {
        window = std::make_unique<TFicheMsg>(fake->platform);
        if (!window->Charge(path))
            return false;
        showActive(*window);
        return true;
    }
    std::array<QLineEdit *, 7> fields() const
    {
        return {window->recipientField, window->callerField, window->companyField, window->phoneField,
                window->dateField,      window->timeField,   window->subjectField};
    }
    void type(QLineEdit *field, const char *text)
    {
        field->setFocus();
        typeInto(field, QString::fromUtf8(text));
    }
    void check(int box)
    {
        QCheckBox *b = window->flagBoxes[std::size_t(box)];
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void shows(const QString &number, const QStringList &texts)
    {
        QCOMPARE(window->numberLabel->text(), number);
        for (std::size_t i = 0; i < 7; ++i)
            QCOMPARE(fields()[i]->text(), texts[qsizetype(i)]);
        QCOMPARE(QApplication::focusWidget(), window->recipientField);
    }
    void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    QString captionOf(QLineEdit *field) const
    {
        for (QLabel *label : window->findChildren<QLabel *>())
            if (label->buddy() == field)
                return label->text();
        return {};
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        fake = std::make_unique<FakePlatform>();
        path = dir->filePath(QStringLiteral("compta.oms"));
    }
    void cleanup()
    {
        window.reset();
        fake.reset();
        dir.reset();
    }

    void aFirstRunWritesOneBlankMessage()
    {
        QVERIFY(open());
        QCOMPARE(window->windowTitle(), QStringLiteral("Messages"));
        shows("1", {"", "", "", "", "", "", ""});
        for (QCheckBox *box : window->flagBoxes)
            QVERIFY(!box->isChecked());
        QTest::mouseClick(window->closeButton, Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("\t\t\t\t\t\t\tFFFFF\r\n"));
    }

    void captionsAndLimits()
    {
        QVERIFY(open());
        const QStringList captions{"Pour", "De", "Société", "N° tél.", "Date", "Heure", "Objet"};
        const int limits[] = {30, 30, 30, 20, 10, 10, 50};
        for (std::size_t i = 0; i < 7; ++i) {
            QCOMPARE(captionOf(fields()[i]), captions[qsizetype(i)]);
            QCOMPARE(fields()[i]->maxLength(), limits[i]);
        }
        const QStringList boxes{"A téléphoné", "Est venu", "A rappeler", "Rappellera", "URGENT"};
        for (std::size_t i = 0; i < 5; ++i)
            QCOMPARE(window->flagBoxes[i]->text(), boxes[qsizetype(i)]);
        QCOMPARE(window->previousButton->text(), QStringLiteral("<"));
        QCOMPARE(window->nextButton->text(), QStringLiteral(">"));
        QCOMPARE(window->addButton->text(), QStringLiteral("+"));
        QCOMPARE(window->deleteButton->text(), QStringLiteral("-"));
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
        type(window->recipientField, "Marie-Christine de la Fontaine-Dupont");
        QCOMPARE(window->recipientField->text(), QStringLiteral("Marie-Christine de la Fontaine"));
    }

    void aMessageWithoutCompanyReloadsInItsPlaces()
    {
        QVERIFY(open());
        type(window->recipientField, "Marie");
        type(window->callerField, "M. Lévy");
        type(window->phoneField, "0102030405");
        type(window->dateField, "12/03/2002");
        type(window->timeField, "10:15:00");
        type(window->subjectField, "Devis");
        check(0);
        check(2);
        QTest::keyClick(window->subjectField, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("Marie\tM. L\xe9vy\t\t0102030405\t12/03/2002\t10:15:00\tDevis\tTFTFF\r\n"));

        QVERIFY(open());
        shows("1", {"Marie", "M. Lévy", "", "0102030405", "12/03/2002", "10:15:00", "Devis"});
        QVERIFY(window->flagBoxes[0]->isChecked());
        QVERIFY(!window->flagBoxes[1]->isChecked());
        QVERIFY(window->flagBoxes[2]->isChecked());
    }

    void theBookOpensOnItsLastMessageAndPages()
    {
        writeBytes(path, "un\r\ndeux\r\ntrois\r\n");
        QVERIFY(open());
        shows("3", {"trois", "", "", "", "", "", ""});
        click(window->nextButton);
        shows("3", {"trois", "", "", "", "", "", ""});
        click(window->previousButton);
        shows("2", {"deux", "", "", "", "", "", ""});
        click(window->previousButton);
        click(window->previousButton);
        shows("1", {"un", "", "", "", "", "", ""});
        click(window->nextButton);
        shows("2", {"deux", "", "", "", "", "", ""});
    }

    void pageKeysPageFromEveryControl()
    {
        writeBytes(path, "un\r\ndeux\r\ntrois\r\n");
        QVERIFY(open());
        QTest::keyClick(window->subjectField, Qt::Key_PageUp);
        shows("2", {"deux", "", "", "", "", "", ""});
        window->flagBoxes[4]->setFocus();
        QTest::keyClick(window->flagBoxes[4], Qt::Key_PageUp);
        shows("1", {"un", "", "", "", "", "", ""});
        window->addButton->setFocus();
        QTest::keyClick(window->addButton, Qt::Key_PageDown);
        shows("2", {"deux", "", "", "", "", "", ""});
    }

    void changesAreKeptWhilePaging()
    {
        writeBytes(path, "un\r\ndeux\r\n");
        QVERIFY(open());
        type(window->callerField, "Paul");
        check(4);
        QTest::keyClick(window->callerField, Qt::Key_PageUp);
        QTest::keyClick(window->recipientField, Qt::Key_PageDown);
        shows("2", {"deux", "Paul", "", "", "", "", ""});
        QVERIFY(window->flagBoxes[4]->isChecked());
        click(window->closeButton);
        // Every message shown is stored back in the full eight-field form.
        QCOMPARE(readBytes(path), std::string("un\t\t\t\t\t\t\tFFFFF\r\ndeux\tPaul\t\t\t\t\t\tFFFFT\r\n"));
    }

    void plusAndMinus()
    {
        writeBytes(path, "un\r\ndeux\r\ntrois\r\n");
        QVERIFY(open());
        click(window->addButton);
        shows("4", {"", "", "", "", "", "", ""});
        // "-" on the last message shows the new last one.
        click(window->deleteButton);
        shows("3", {"trois", "", "", "", "", "", ""});
        click(window->previousButton);
        click(window->previousButton);
        click(window->deleteButton);
        shows("1", {"deux", "", "", "", "", "", ""});
        click(window->deleteButton);
        click(window->deleteButton);
        shows("1", {"", "", "", "", "", "", ""});
        click(window->closeButton);
        QCOMPARE(readBytes(path), std::string("\t\t\t\t\t\t\tFFFFF\r\n"));
    }

    void leavingAnEmptyDateOrTimeFillsIt()
    {
        fake->clock.date = QDate(2002, 3, 15);
        fake->clock.time = QTime(9, 5, 7);
        QVERIFY(open());
        window->dateField->setFocus();
        QTest::keyClick(window->dateField, Qt::Key_Tab);
        QCOMPARE(window->dateField->text(), QStringLiteral("15/03/2002"));
        QCOMPARE(QApplication::focusWidget(), window->timeField);
        QTest::keyClick(window->timeField, Qt::Key_Tab);
        QCOMPARE(window->timeField->text(), QStringLiteral("09:05:07"));

        // Filled fields stay as typed.
        window->dateField->clear();
        type(window->dateField, "01/02/2002");
        QTest::keyClick(window->dateField, Qt::Key_Tab);
        QCOMPARE(window->dateField->text(), QStringLiteral("01/02/2002"));
        fake->clock.time = QTime(11, 0, 0);
        window->timeField->setFocus();
        QTest::keyClick(window->timeField, Qt::Key_Backtab);
        QCOMPARE(window->timeField->text(), QStringLiteral("09:05:07"));
    }

    void aFailedWriteKeepsTheWindowOpen()
    {
        path = dir->filePath(QStringLiteral("disparu/compta.oms"));
        QVERIFY(open());
        type(window->subjectField, "Rappeler");
        click(window->closeButton);
        const QString told = QStringLiteral("Impossible d'enregistrer le fichier %1 : fichier ou dossier introuvable.\n\n"
                                            "Fermer les messages sans enregistrer ces changements ?")
                                 .arg(path);
        QCOMPARE(fake->messages.boxes, (std::vector<FakeMessages::Shown>{{FakeMessages::Box::WarningOkCancel, told}}));
        QVERIFY(window->isVisible());
        QCOMPARE(window->subjectField->text(), QStringLiteral("Rappeler"));

        QVERIFY(QDir().mkdir(dir->filePath(QStringLiteral("disparu"))));
        QTest::keyClick(window->subjectField, Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QCOMPARE(readBytes(path), std::string("\t\t\t\t\t\tRappeler\tFFFFF\r\n"));
    }

    void aCharacterTheFileCannotHoldIsToldBeforeWriting()
    {
        QVERIFY(open());
        type(window->subjectField, "Rappeler ✓");
        click(window->closeButton);
        QCOMPARE(fake->messages.shown,
                 QStringList{QString::fromUtf8("1 caractère absent du jeu de caractères Windows (1252) (✓) sera "
                                               "enregistré comme « ? ».\n\nEnregistrer quand même ?")});
        QVERIFY(window->isVisible());
        QVERIFY(!QFile::exists(path));
    }

    void theUserMayGiveUpTheChanges()
    {
        path = dir->filePath(QStringLiteral("disparu/compta.oms"));
        QVERIFY(open());
        fake->messages.okCancel = {true};
        click(window->closeButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(fake->messages.shown.size(), 1);
    }

    void anUnreadableBookKeepsTheWindowClosed()
    {
        QVERIFY(QDir().mkdir(path));
        QVERIFY(!open());
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("Impossible de lire le fichier %1 : le chemin désigne un dossier.").arg(path)});
    }

    void aLongFieldOfTheFileIsShownWhole()
    {
        const std::string longCaller(40, 'x');
        writeBytes(path, "Marie\t" + longCaller + "\r\n");
        QVERIFY(open());
        QCOMPARE(window->callerField->text(), QString::fromStdString(longCaller));
        click(window->closeButton);
        QCOMPARE(readBytes(path), "Marie\t" + longCaller + "\t\t\t\t\t\tFFFFF\r\n");
    }
};

TAVELIN_WIDGET_TEST(TFicheMsgTest)
#include "TFicheMsg_test.moc"
