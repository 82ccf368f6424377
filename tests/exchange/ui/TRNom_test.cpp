#include "WidgetTests.h"
#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "ModalDriver.h"
#include "LedgerText.h"

#include "exchange/SearchCommands.h"
#include "exchange/ui/TRNom.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

// The search prompt, driven with keys and clicks: shown modally by the search
// command through the real prompt, answered by the modal driver.
class TRNomTest : public QObject {
    Q_OBJECT

    // Shows the prompt as the search command does and answers it.
    static QString askAnswering(const std::function<void(TRNom *)> &answer)
    {
        onNextModal<TRNom>(answer);
        TRNomPrompt prompt;
        return prompt.ask();
    }

private slots:
    void looksAsTheUserExpects()
    {
        TRNom prompt;
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Recherche d'une écriture"));
        QCOMPARE(prompt.cancelButton->text(), QStringLiteral("Annuler"));
        QCOMPARE(prompt.okButton->text(), QStringLiteral("OK"));
        QStringList labels;
        for (QLabel *label : prompt.findChildren<QLabel *>())
            labels.append(label->text());
        QCOMPARE(labels, QStringList{QStringLiteral("Chercher")});
        QVERIFY(prompt.textField->text().isEmpty());
        QVERIFY(prompt.textField->minimumWidth() >= 225);
    }

    void enterGivesTheTypedText()
    {
        bool focused = false;
        const QString text = askAnswering([&focused](TRNom *p) {
            focused = p->focusWidget() == p->textField;
            QTest::keyClicks(p->textField, QStringLiteral("Loyer"));
            QTest::keyClick(p->textField, Qt::Key_Return);
        });
        QVERIFY(focused);
        QCOMPARE(text, QStringLiteral("Loyer"));
    }

    void okGivesTheTypedText()
    {
        const QString text = askAnswering([](TRNom *p) {
            QTest::keyClicks(p->textField, QStringLiteral("12,50"));
            QTest::mouseClick(p->okButton, Qt::LeftButton);
        });
        QCOMPARE(text, QStringLiteral("12,50"));
    }

    void annulerEscapeAndTheCloseBoxGiveNothing()
    {
        QCOMPARE(askAnswering([](TRNom *p) {
                     QTest::keyClicks(p->textField, QStringLiteral("loyer"));
                     QTest::mouseClick(p->cancelButton, Qt::LeftButton);
                 }),
                 QString());
        QCOMPARE(askAnswering([](TRNom *p) {
                     QTest::keyClicks(p->textField, QStringLiteral("loyer"));
                     QTest::keyClick(p->textField, Qt::Key_Escape);
                 }),
                 QString());
        QCOMPARE(askAnswering([](TRNom *p) {
                     QTest::keyClicks(p->textField, QStringLiteral("loyer"));
                     p->close();
                 }),
                 QString());
    }

    void theTextShownAgainIsSelectedSoTypingReplacesIt()
    {
        TRNom prompt;
        prompt.textField->setText(QStringLiteral("ancien"));
        prompt.show();
        QVERIFY(QTest::qWaitForWindowExposed(&prompt));
        QCOMPARE(prompt.textField->selectedText(), QStringLiteral("ancien"));
        QTest::keyClicks(prompt.textField, QStringLiteral("neuf"));
        QCOMPARE(prompt.textField->text(), QStringLiteral("neuf"));
    }

    void aSearchThroughTheRealPromptFindsTheTypedText()
    {
        FakePlatform fake;
        TRNomPrompt real;
        Platform platform = fake.platform;
        platform.searchPrompt = &real;
        Ledger ledger(platform);
        openAt(ledger, kHeader2002 + entriesText("200205", {{"05/05/2002", "613000", "Loyer mai", "BQ", "", "500,00", "", ""}}),
               2002, 1);
        exchange::EntrySearch search;
        onNextModal<TRNom>([](TRNom *p) {
            QTest::keyClicks(p->textField, QStringLiteral("LOYER"));
            QTest::keyClick(p->textField, Qt::Key_Enter);
        });
        const exchange::SearchOutcome outcome = exchange::Rechercher(ledger, search);
        QVERIFY(outcome.month);
        QCOMPARE(outcome.month->month, 5);
        QVERIFY(outcome.message.isEmpty());
    }
};

TAVELIN_WIDGET_TEST(TRNomTest)
#include "TRNom_test.moc"
