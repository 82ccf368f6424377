#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "calculators/ui/TEurof.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

// The euro converter driven by keys and clicks.
class TEurofTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TEurof> window;

    void typeOnFocus(const char *keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    // A click on the round mark of a direction.
    static void choose(QRadioButton *direction)
    {
        QTest::mouseClick(direction, Qt::LeftButton, {}, QPoint(8, direction->height() / 2));
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<TEurof>(fake->platform);
        showActive(*window);
    }
    void cleanup() { window.reset(); }

    void asItOpens()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Euro convertisseur"));
        QCOMPARE(QApplication::focusWidget(), window->equalsButton);
        QCOMPARE(window->rateField->text(), QStringLiteral("6,55957"));
        QVERIFY(window->rateField->isReadOnly());
        QVERIFY(window->francsToEuros->isChecked());
        QCOMPARE(window->francsToEuros->text(), QStringLiteral("Fr>Euro"));
        QCOMPARE(window->eurosToFrancs->text(), QStringLiteral("Euro>Fr"));
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
        for (int digit = 0; digit < 10; ++digit)
            QCOMPARE(window->digitButtons[std::size_t(digit)]->text(), QString::number(digit));
        QCOMPARE(window->commaButton->text(), QStringLiteral(","));
        QCOMPARE(window->equalsButton->text(), QStringLiteral("="));
        QCOMPARE(window->inputDisplay->text(), QString());
        QCOMPARE(window->resultDisplay->text(), QString());
    }

    void typedAmountConvertsWithEnter()
    {
        typeOnFocus("1a00");
        QCOMPARE(window->inputDisplay->text(), QStringLiteral("100"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(window->resultDisplay->text(), QStringLiteral("15,24"));
        QVERIFY(window->isVisible());

        // The next key starts a new amount; a full stop is the comma.
        typeOnFocus("15.24");
        QCOMPARE(window->inputDisplay->text(), QStringLiteral("15,24"));
        QCOMPARE(window->resultDisplay->text(), QString());
        choose(window->eurosToFrancs);
        QTest::mouseClick(window->equalsButton, Qt::LeftButton);
        QCOMPARE(window->resultDisplay->text(), QStringLiteral("100"));

        // "=" again after switching back converts the shown amount the other way.
        choose(window->francsToEuros);
        QTest::mouseClick(window->equalsButton, Qt::LeftButton);
        QCOMPARE(window->inputDisplay->text(), QStringLiteral("15,24"));
        QCOMPARE(window->resultDisplay->text(), QStringLiteral("2,32"));
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void keypadButtons()
    {
        QTest::mouseClick(window->digitButtons[1], Qt::LeftButton);
        choose(window->eurosToFrancs);
        QTest::mouseClick(window->equalsButton, Qt::LeftButton);
        QCOMPARE(window->resultDisplay->text(), QStringLiteral("6,6"));
        QTest::mouseClick(window->digitButtons[2], Qt::LeftButton);
        QTest::mouseClick(window->commaButton, Qt::LeftButton);
        QTest::mouseClick(window->digitButtons[5], Qt::LeftButton);
        QCOMPARE(window->inputDisplay->text(), QStringLiteral("2,5"));
        QCOMPARE(window->resultDisplay->text(), QString());
        // The keypad never takes the focus from "=".
        QCOMPARE(QApplication::focusWidget(), window->equalsButton);
        QTest::keyClick(window->equalsButton, Qt::Key_Space);
        QCOMPARE(window->resultDisplay->text(), QStringLiteral("16,4"));
    }

    void noNumberEmptiesTheDisplaysSilently()
    {
        typeOnFocus("1,,2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(window->inputDisplay->text(), QString());
        QCOMPARE(window->resultDisplay->text(), QString());
        QTest::mouseClick(window->equalsButton, Qt::LeftButton);
        QCOMPARE(window->inputDisplay->text(), QString());
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void aResultTooLargeIsSaid()
    {
        choose(window->eurosToFrancs);
        window->equalsButton->setFocus();
        typeOnFocus(std::string(305, '9').c_str());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(fake->messages.shown, QStringList{"Dépassement de capacité"});
        QCOMPARE(window->inputDisplay->text(), QString());
    }

    void rateArrows()
    {
        QTest::mouseClick(window->rateDownButton, Qt::LeftButton);
        QCOMPARE(window->rateField->text(), QStringLiteral("6,55956"));
        QTest::mouseClick(window->rateUpButton, Qt::LeftButton);
        QTest::mouseClick(window->rateUpButton, Qt::LeftButton);
        QCOMPARE(window->rateField->text(), QStringLiteral("6,55958"));
        typeOnFocus("100\r");
        QCOMPARE(window->resultDisplay->text(), QStringLiteral("15,24"));
    }

    void escapeAndFermerClose() { checkClosing(*window, window->closeButton); }
};

TAVELIN_WIDGET_TEST(TEurofTest)
#include "TEurof_test.moc"
