#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "calculators/ui/TPocket.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using Button = PocketCalculator::Button;

// The pocket calculator driven by keys and clicks.
class TPocketTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TPocket> window;

    void type(const char *keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
    void click(Button which) { QTest::mouseClick(window->button(which), Qt::LeftButton); }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        window = std::make_unique<TPocket>(fake->platform);
        showActive(*window);
    }
    void cleanup() { window.reset(); }

    void asItOpens()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Calculatrice"));
        QCOMPARE(QApplication::focusWidget(), window->button(Button::Equals));
        QCOMPARE(window->display->text(), QString());
        QStringList captions;
        for (const auto &[which, pushButton] : window->buttons)
            captions.append(pushButton->text());
        QCOMPARE(captions, (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ",", "=", "+", "-", "*",
                                        "/", "1/x", "sqr", "C"}));
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
    }

    void keysWorkLeftToRight()
    {
        type("2+3*4=");
        QCOMPARE(window->display->text(), QStringLiteral("20"));
        type("=");
        QCOMPARE(window->display->text(), QStringLiteral("400"));
        type("c1/3");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // Enter presses the focused "="
        QCOMPARE(window->display->text(), QStringLiteral("0,333333333333333"));
        type("C0.1+0,2=");
        QCOMPARE(window->display->text(), QStringLiteral("0,3"));
        type("c16s+1=");
        QCOMPARE(window->display->text(), QStringLiteral("5"));
        type("C4X");
        QCOMPARE(window->display->text(), QStringLiteral("0,25"));
        type("ab%");
        QCOMPARE(window->display->text(), QStringLiteral("0,25"));
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void buttonsKeepTheFocusOnEquals()
    {
        click(Button::Digit1);
        click(Button::Digit6);
        click(Button::SquareRoot);
        QCOMPARE(window->display->text(), QStringLiteral("4"));
        click(Button::Plus);
        click(Button::Digit1);
        click(Button::Comma);
        click(Button::Digit5);
        QCOMPARE(window->display->text(), QStringLiteral("1,5"));
        click(Button::Equals);
        QCOMPARE(window->display->text(), QStringLiteral("5,5"));
        QCOMPARE(QApplication::focusWidget(), window->button(Button::Equals));
        click(Button::Clear);
        QCOMPARE(window->display->text(), QString());
    }

    void displayStopsAtFifteenDigits()
    {
        type("12345678901234567");
        QCOMPARE(window->display->text(), QStringLiteral("123456789012345"));
    }

    void errorsAreSaidAndChangeNothing()
    {
        type("5/0=");
        type("0x");
        type("c5-9=s");
        QCOMPARE(fake->messages.shown, (QStringList{"Division par zéro", "Division par zéro",
                                                    "Racine carrée d'un nombre négatif"}));
        QCOMPARE(window->display->text(), QStringLiteral("-4"));
        type("c");
        QCOMPARE(window->display->text(), QString());
        type("7+1=");
        QCOMPARE(window->display->text(), QStringLiteral("8"));
    }

    void escapeAndFermerClose() { checkClosing(*window, window->closeButton); }
};

TAVELIN_WIDGET_TEST(TPocketTest)
#include "TPocket_test.moc"
