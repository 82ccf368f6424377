#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "desk/ui/TCalendrier.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLabel>
#include <QPushButton>
#include <QTest>

// The calendar driven by clicks and keys, opened on the platform clock's day.
class TCalendrierTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TCalendrier> window;

    void openOn(QDate today)
    {
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = today;
        window = std::make_unique<TCalendrier>(fake->platform);
        showActive(*window);
    }
    QWidget *grid() const { return window->calendar->findChild<QAbstractItemView *>(); }
    void shows(QDate date, const QString &title)
    {
        QCOMPARE(window->calendar->selectedDate(), date);
        QCOMPARE(window->calendar->monthShown(), date.month());
        QCOMPARE(window->calendar->yearShown(), date.year());
        QCOMPARE(window->title->text(), title);
    }

private slots:
    void cleanup() { window.reset(); }

    void asItOpens()
    {
        openOn(QDate(2002, 3, 15));
        QCOMPARE(window->windowTitle(), QStringLiteral("Calendrier"));
        shows(QDate(2002, 3, 15), QStringLiteral("mars  2002"));
        QCOMPARE(window->title->width(), 372);
        QCOMPARE(window->title->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        QCOMPARE(window->calendar->firstDayOfWeek(), Qt::Monday);
        QCOMPARE(window->previousMonthButton->text(), QStringLiteral("Mois"));
        QCOMPARE(window->nextMonthButton->text(), QStringLiteral("Mois"));
        QVERIFY(window->previousMonthButton->x() < window->nextMonthButton->x());
        QCOMPARE(window->closeButton->text(), QStringLiteral("Fermer"));
        QCOMPARE(QApplication::focusWidget(), grid());
    }

    void monthButtonsKeepTheDayOrTakeTheMonthsLast()
    {
        openOn(QDate(2002, 1, 31));
        QTest::mouseClick(window->nextMonthButton, Qt::LeftButton);
        shows(QDate(2002, 2, 28), QStringLiteral("février  2002"));
        QTest::mouseClick(window->previousMonthButton, Qt::LeftButton);
        shows(QDate(2002, 1, 28), QStringLiteral("janvier  2002"));
        QTest::mouseClick(window->previousMonthButton, Qt::LeftButton);
        shows(QDate(2001, 12, 28), QStringLiteral("décembre  2001"));
    }

    void leapYearFebruary()
    {
        openOn(QDate(2004, 1, 31));
        QTest::mouseClick(window->nextMonthButton, Qt::LeftButton);
        shows(QDate(2004, 2, 29), QStringLiteral("février  2004"));
    }

    void pageKeysChangeTheMonthFromTheGridAndTheButtons()
    {
        openOn(QDate(2002, 1, 15));
        QTest::keyClick(grid(), Qt::Key_PageUp);
        shows(QDate(2001, 12, 15), QStringLiteral("décembre  2001"));
        QTest::keyClick(grid(), Qt::Key_PageDown);
        QTest::keyClick(grid(), Qt::Key_PageDown);
        shows(QDate(2002, 2, 15), QStringLiteral("février  2002"));
        for (QPushButton *button : {window->previousMonthButton, window->nextMonthButton, window->closeButton}) {
            button->setFocus();
            QTest::keyClick(button, Qt::Key_PageDown);
        }
        shows(QDate(2002, 5, 15), QStringLiteral("mai  2002"));
        window->closeButton->setFocus();
        QTest::keyClick(window->closeButton, Qt::Key_PageUp);
        shows(QDate(2002, 4, 15), QStringLiteral("avril  2002"));
        QVERIFY(window->isVisible());
    }

    void arrowKeysMoveTheDayWithinTheMonth()
    {
        openOn(QDate(2002, 3, 15));
        QTest::keyClick(grid(), Qt::Key_Right);
        shows(QDate(2002, 3, 16), QStringLiteral("mars  2002"));
        QTest::keyClick(grid(), Qt::Key_Down);
        shows(QDate(2002, 3, 23), QStringLiteral("mars  2002"));
        QTest::keyClick(grid(), Qt::Key_Left);
        QTest::keyClick(grid(), Qt::Key_Up);
        shows(QDate(2002, 3, 15), QStringLiteral("mars  2002"));
        // At the month's edge the day stays in the month shown.
        openOn(QDate(2002, 3, 31));
        QTest::keyClick(grid(), Qt::Key_Right);
        shows(QDate(2002, 3, 31), QStringLiteral("mars  2002"));
    }

    void escapeAndFermerClose()
    {
        openOn(QDate(2002, 3, 15));
        checkClosing(*window, window->closeButton);
    }
};

TAVELIN_WIDGET_TEST(TCalendrierTest)
#include "TCalendrier_test.moc"
