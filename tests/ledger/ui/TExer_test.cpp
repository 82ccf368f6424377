#include "WidgetTests.h"
#include "FakePlatform.h"

#include "document/Fiche.h"
#include "ledger/ui/TExer.h"
#include "entry/ui/DateField.h"
#include "entry/ui/EntryPage.h"
#include "document/ui/TFiche.h"
#include "app/ui/QtPlatform.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

// The fiscal-year dialog, driven as a user would: the dialog is shown by the
// document's Exercice and answered by a timer that presses its buttons.
// A document whose fiscal-year dialog is the real window.
struct DocumentWithRealDialog {
    FakePlatform fake;
    QtFiscalYearDialog real;
    Platform platform = withRealDialog();
    Fiche fiche{platform};

    Platform withRealDialog()
    {
        Platform p = fake.platform;
        p.fiscalYear = &real;
        return p;
    }
};

class TExerTest : public QObject {
    Q_OBJECT

    // Presses a button of the dialog once it is on screen, after setting dates.
    static void answerWhenShown(const std::function<void(TExer *)> &answer)
    {
        QTimer::singleShot(0, [answer] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *dialog = qobject_cast<TExer *>(w); dialog && dialog->isVisible())
                    answer(dialog);
        });
    }

private slots:
    void showsTheThreeDatesAndTheClosingDateOnlyForDisplay()
    {
        TExer dialog;
        dialog.Init(QDate(2002, 1, 1), QDate(2002, 12, 31), QDate(2002, 1, 1));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Exercice en cours"));
        QCOMPARE(dialog.startPicker->date(), QDate(2002, 1, 1));
        QCOMPARE(dialog.endPicker->text(), QStringLiteral("31/12/2002"));
        QVERIFY(!dialog.closingPicker->isEnabled());
        QCOMPARE(dialog.cancelButton->text(), QStringLiteral("Annuler"));
        QCOMPARE(dialog.okButton->text(), QStringLiteral("OK"));
        // Room for the title in bold beside the title bar's icon, three buttons and their gaps.
        dialog.show();
        QFont bold = dialog.font();
        bold.setBold(true);
        QVERIFY(dialog.width() >= QFontMetrics(bold).horizontalAdvance(dialog.windowTitle()) + 120);
    }

    void okKeepsTheNewDatesAndWritesTheHeader()
    {
        DocumentWithRealDialog doc;
        Fiche &fiche = doc.fiche;
        answerWhenShown([](TExer *d) {
            d->startPicker->setDate(QDate(2002, 4, 1));
            d->endPicker->setDate(QDate(2003, 3, 31));
            QTest::mouseClick(d->okButton, Qt::LeftButton);
        });
        fiche.Exercice();
        QCOMPARE(fiche.ledger.DebutExercice(), QDate(2002, 4, 1));
        QCOMPARE(fiche.ledger.FinExercice(), QDate(2003, 3, 31));
        QVERIFY(fiche.ledger.Modifie);
        QCOMPARE(QByteArray(fiche.ledger.Lignes[2].data(), qsizetype(fiche.ledger.Lignes[2].size())), QByteArray("31/03/2003"));
    }

    void annulerAndEscapeKeepTheOldDatesButStillWriteTheHeader()
    {
        DocumentWithRealDialog doc;
        Fiche &fiche = doc.fiche;
        answerWhenShown([](TExer *d) {
            d->startPicker->setDate(QDate(1999, 4, 1));
            QTest::mouseClick(d->cancelButton, Qt::LeftButton);
        });
        fiche.Exercice();
        QCOMPARE(fiche.ledger.DebutExercice(), QDate(2002, 1, 1));
        QVERIFY(fiche.ledger.Modifie);
        QCOMPARE(fiche.ledger.Lignes.size(), std::size_t(5));

        answerWhenShown([](TExer *d) {
            d->endPicker->setDate(QDate(1999, 4, 1));
            QTest::keyClick(d, Qt::Key_Escape);
        });
        fiche.Exercice();
        QCOMPARE(fiche.ledger.FinExercice(), QDate(2002, 12, 31));
    }

    void firstShownOnTheEntryPageWithTheMonthUnderTheGrid()
    {
        FakePlatform fake;
        TFiche window(fake.platform);
        window.fiche().Caption = QStringLiteral("ancien.jnl");
        window.fiche().ActivePage = Page::Balance;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *entry = static_cast<EntryPage *>(window.page(Page::Saisie));
        QCOMPARE(window.fiche().ActivePage, Page::Saisie);
        QVERIFY(entry->isVisible());
        QVERIFY(window.fiche().Caption.isEmpty());
        QCOMPARE(entry->monthCaption->text(), QStringLiteral("Mars 2002"));
        QCOMPARE(entry->debitTotal->text(), window.fiche().entry.monthDebitTotal.trimmed());
        QVERIFY(!entry->debitTotal->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(entry->dateField));
    }

    void pageKeysChangeTheMonthOnTheDocumentWindow()
    {
        FakePlatform fake;
        TFiche window(fake.platform);
        window.show();
        window.run([](Fiche &f) { f.showPage(Page::Balance); f.showPage(Page::Journal); });
        QTest::keyClick(&window, Qt::Key_PageDown);
        QCOMPARE(int(window.fiche().ledger.Mois), 4);
        QTest::keyClick(&window, Qt::Key_PageUp);
        QTest::keyClick(&window, Qt::Key_PageUp);
        QCOMPARE(int(window.fiche().ledger.Mois), 2);
    }
};

TAVELIN_WIDGET_TEST(TExerTest)
#include "TExer_test.moc"
