#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "desk/ui/THorloge.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

// The clock driven by clicks, on the platform's clock double: the timer's
// seconds are given by calling tick(), the computer's clock is never set.
class THorlogeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<THorloge> window;

    void choose(int part)
    {
        QRadioButton *button = window->partButtons[std::size_t(part)];
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        QVERIFY(button->isChecked());
    }
    void click(QAbstractButton *button, int times = 1)
    {
        for (int i = 0; i < times; ++i)
            QTest::mouseClick(button, Qt::LeftButton);
    }
    void secondPasses(QTime now)
    {
        fake->clock.time = now;
        window->tick();
    }
    QDateTime utc(int y, int mo, int d, int h, int mi, int s)
    {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc());
    }

    enum { Hour, Minute, Day, Month, Year };

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2002, 3, 15);
        fake->clock.time = QTime(10, 30, 0);
        window = std::make_unique<THorloge>(fake->platform);
        showActive(*window);
    }
    void cleanup() { window.reset(); }

    void asItOpens()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Horloge"));
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:00"));
        QCOMPARE(window->dateDisplay->text(), QStringLiteral("15/03/2002"));
        const QStringList parts{"Hr", "Mn", "Jo", "Mo", "An"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(window->partButtons[std::size_t(i)]->text(), parts[i]);
            QVERIFY(!window->partButtons[std::size_t(i)]->isChecked());
        }
        QCOMPARE(window->setButton->text(), QStringLiteral("Set"));
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
        QVERIFY(window->timer->isActive());
        QCOMPARE(window->timer->interval(), 1000);
    }

    void theDisplayFollowsTheClock()
    {
        secondPasses(QTime(10, 30, 1));
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:01"));
        fake->clock.date = QDate(2002, 3, 16);
        secondPasses(QTime(0, 0, 0));
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("00:00:00"));
        QCOMPARE(window->dateDisplay->text(), QStringLiteral("16/03/2002"));
    }

    void arrowsChangeTheChosenPartUntilTheNextSecond()
    {
        click(window->upArrow);
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:00"));
        choose(Hour);
        click(window->upArrow, 2);
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("12:30:00"));
        choose(Day);
        click(window->downArrow);
        QCOMPARE(window->dateDisplay->text(), QStringLiteral("14/03/2002"));
        secondPasses(QTime(10, 30, 1));
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:01"));
        QCOMPARE(window->dateDisplay->text(), QStringLiteral("15/03/2002"));
    }

    // The chosen part's caption is written in the face's green, the others in white.
    void theChosenPartStandsOutOnTheBlackFace()
    {
        const auto green = [](QWidget *w) {
            const QImage image = w->grab().toImage();
            int pixels = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    pixels += image.pixelColor(x, y).green() > 150 && image.pixelColor(x, y).red() < 100 ? 1 : 0;
            return pixels;
        };
        choose(Minute);
        QVERIFY(green(window->partButtons[Minute]) > 10);
        QCOMPARE(green(window->partButtons[Hour]), 0);
    }

    void setStopsTheClockThenAppliesWhatIsShown()
    {
        click(window->setButton);
        QVERIFY(!window->timer->isActive());
        secondPasses(QTime(10, 30, 5));
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:00"));

        choose(Minute);
        click(window->downArrow, 30);
        choose(Hour);
        click(window->upArrow, 14);
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("24:00:00"));
        choose(Month);
        click(window->upArrow, 4);
        choose(Year);
        click(window->downArrow);
        QCOMPARE(window->dateDisplay->text(), QStringLiteral("15/07/2001"));
        QVERIFY(fake->clockSetter.instants.empty());

        click(window->setButton);
        // 24:00:00 on 15 July 2001 in Paris: midnight of the 16th, summer time.
        QCOMPARE(fake->clockSetter.instants, std::vector<QDateTime>{utc(2001, 7, 15, 22, 0, 0)});
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(window->timer->isActive());
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:05"));
    }

    void winterTimeIsOneHourAheadOfUniversalTime()
    {
        fake->clock.date = QDate(2002, 1, 15);
        fake->clock.time = QTime(12, 0, 0);
        window->tick();
        click(window->setButton);
        click(window->setButton);
        QCOMPARE(fake->clockSetter.instants, std::vector<QDateTime>{utc(2002, 1, 15, 11, 0, 0)});
    }

    void aRefusalOfTheSystemIsSaid()
    {
        fake->clockSetter.refusals = {QStringLiteral("droits insuffisants")};
        click(window->setButton);
        click(window->setButton);
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("L'horloge de l'ordinateur n'a pas pu être réglée : droits insuffisants.")});
        QVERIFY(window->timer->isActive());
    }

    void anImpossibleDateIsRefusedAndTheClockStaysStopped()
    {
        fake->clock.date = QDate(2002, 3, 31);
        window->tick();
        click(window->setButton);
        choose(Month);
        click(window->downArrow);
        click(window->setButton);
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("La date 31/02/2002 n'existe pas : corrigez-la, puis cliquez sur Set.")});
        QVERIFY(fake->clockSetter.instants.empty());
        QVERIFY(!window->timer->isActive());
        QCOMPARE(window->dateDisplay->text(), QStringLiteral("31/02/2002"));
        choose(Day);
        click(window->downArrow, 3);
        click(window->setButton);
        QCOMPARE(fake->clockSetter.instants, std::vector<QDateTime>{utc(2002, 2, 28, 9, 30, 0)});
    }

    void closingWhileSettingAppliesNothing()
    {
        click(window->setButton);
        choose(Hour);
        click(window->upArrow);
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QVERIFY(!window->isVisible());
        QVERIFY(fake->clockSetter.instants.empty());

        // Opened again, the clock runs; the part chosen still works the arrows.
        showActive(*window);
        QVERIFY(window->timer->isActive());
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:30:00"));
        QVERIFY(window->partButtons[Hour]->isChecked());
        click(window->upArrow);
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("11:30:00"));
        click(window->setButton);
        click(window->closeButton);
        QVERIFY(!window->isVisible());
        QVERIFY(fake->clockSetter.instants.empty());
    }

    void theClockRunsOnlyInItsActiveWindow()
    {
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!window->timer->isActive());
        fake->clock.time = QTime(10, 45, 0);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QVERIFY(window->timer->isActive());
        QCOMPARE(window->timeDisplay->text(), QStringLiteral("10:45:00"));
    }

    void escapeAndFermerClose() { checkClosing(*window, window->closeButton); }
};

TAVELIN_WIDGET_TEST(THorlogeTest)
#include "THorloge_test.moc"
