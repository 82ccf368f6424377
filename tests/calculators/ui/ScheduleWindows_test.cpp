#include "WidgetTests.h"
#include "ToolWindows.h"
#include "support/FakePlatform.h"
#include "calculators/ui/TEmprunt.h"
#include "calculators/ui/TPlacement.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace {

// The texts of one row of the window's grid as the view shows them, joined by "|".
QString viewRow(const QTableView *view, int row)
{
    QStringList cells;
    for (int col = 0; col < view->model()->columnCount(); ++col)
        cells.append(view->model()->index(row, col).data().toString());
    return cells.join(u'|');
}

QStringList labels(const QDialog &window)
{
    QStringList texts;
    for (const QLabel *label : window.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

} // namespace

// The loan and savings windows driven by keys and clicks.
class ScheduleWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;

private slots:
    void init() { fake = std::make_unique<FakePlatform>(); }

    void loanWindowAsItOpens()
    {
        TEmprunt window(fake->platform);
        showActive(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Emprunts"));
        QCOMPARE(labels(window), (QStringList{"Montant", "Intérêts", "Durée", "ou", "Mensualités"}));
        QCOMPARE(QApplication::focusWidget(), window.amountField);
        QCOMPARE(window.durationField->value(), 24);
        QCOMPARE(window.computeButton->toolTip(), QStringLiteral("Calculer"));
        QCOMPARE(window.closeButton->text(), QStringLiteral("Fermer"));
        QTableView *view = window.scheduleView;
        QCOMPARE(view->model()->rowCount(), 295);
        const QStringList titles{"Mois", "Date", "Capital", "Intérêt", "Solde"};
        const int widths[] = {50, 95, 105, 105, 105};
        for (int col = 0; col < 5; ++col) {
            QCOMPARE(view->model()->headerData(col, Qt::Horizontal).toString(), titles[col]);
            QCOMPARE(view->columnWidth(col), widths[col]);
        }
        QVERIFY(view->font().bold());
        QCOMPARE(view->font().pointSize(), 8);
        QCOMPARE(viewRow(view, 0), QStringLiteral("||||"));
    }

    void savingsWindowAsItOpens()
    {
        TPlacement window(fake->platform);
        showActive(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Placements"));
        QCOMPARE(labels(window), (QStringList{"Apport", "Intérêts", "Durée", "Mensualités"}));
        QCOMPARE(QApplication::focusWidget(), window.amountField);
        QCOMPARE(window.scheduleView->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Mensualité"));
    }

    void amountFieldsTakeDigitsAndTheCommaOnly()
    {
        TEmprunt window(fake->platform);
        showActive(window);
        for (QLineEdit *field : {window.amountField, window.rateField, window.paymentField}) {
            field->setFocus();
            QTest::keyClicks(field, "1a0.0 -5,2e");
            QCOMPARE(field->text(), QStringLiteral("1005,2"));
            QTest::keyClick(field, Qt::Key_Backspace);
            QCOMPARE(field->text(), QStringLiteral("1005,"));
            QTest::keyClick(field, Qt::Key_Left);
            QTest::keyClick(field, Qt::Key_Delete);
            QCOMPARE(field->text(), QStringLiteral("1005"));
            field->clear();
        }
    }

    void enterComputesTheLoanWithTodayFromTheClock()
    {
        TEmprunt window(fake->platform);
        showActive(window);
        QTest::keyClicks(window.amountField, "10000");
        QTest::keyClick(window.amountField, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.rateField);
        QTest::keyClicks(window.rateField, "6");
        window.durationField->setValue(12);
        QTest::keyClick(window.rateField, Qt::Key_Return);
        QVERIFY(window.isVisible());
        QCOMPARE(window.rateField->text(), QStringLiteral("6")); // Enter is not typed into the field
        QCOMPARE(window.paymentField->text(), QStringLiteral("860,66"));
        QCOMPARE(window.durationField->value(), 12);
        const QTableView *view = window.scheduleView;
        QCOMPARE(viewRow(view, 0), QStringLiteral("1|15/04/2002|810,66|50,00|9189,34"));
        QCOMPARE(viewRow(view, 10), QStringLiteral("11|15/02/2003|852,12|8,54|856,38"));
        QCOMPARE(viewRow(view, 11), QStringLiteral("12|15/03/2003|856,38|4,28|0,00"));
        QCOMPARE(viewRow(view, 12), QStringLiteral("||||"));
        QCOMPARE(viewRow(view, 13), QStringLiteral("|Totaux|10000,00|327,97|10327,97"));
        QVERIFY(fake->messages.shown.isEmpty());

        // The payment now in its field is taken again: a new duration changes nothing...
        window.durationField->setValue(6);
        QTest::mouseClick(window.computeButton, Qt::LeftButton);
        QCOMPARE(window.durationField->value(), 12);
        // ...until the payment is emptied.
        window.paymentField->clear();
        window.durationField->setValue(6);
        QTest::keyClick(window.paymentField, Qt::Key_Enter);
        QCOMPARE(window.durationField->value(), 6);
        QCOMPARE(viewRow(view, 7), QStringLiteral("|Totaux|10000,00|175,73|10175,73"));
        QCOMPARE(viewRow(view, 13), QStringLiteral("||||")); // the longer table is gone
    }

    void refusalsShowAMessageAndLeaveTheTable()
    {
        TEmprunt window(fake->platform);
        showActive(window);
        QTest::keyClicks(window.amountField, "1000");
        QTest::keyClick(window.amountField, Qt::Key_Return);
        QVERIFY(fake->messages.shown.isEmpty()); // no rate: nothing happens

        QTest::keyClicks(window.rateField, "12");
        QTest::keyClicks(window.paymentField, "20");
        QTest::keyClick(window.paymentField, Qt::Key_Return);
        QCOMPARE(window.durationField->value(), 70);
        const QString lastRow = viewRow(window.scheduleView, 69);

        window.paymentField->setText(QStringLiteral("11"));
        QTest::keyClick(window.paymentField, Qt::Key_Return);
        window.rateField->setText(QStringLiteral("0,5"));
        QTest::keyClick(window.rateField, Qt::Key_Return);
        window.rateField->setText(QStringLiteral("1,,2")); // pasted
        QTest::keyClick(window.rateField, Qt::Key_Return);
        QCOMPARE(fake->messages.shown, (QStringList{"La mensualité doit être > 11,10", "Taux d'intérêt insuffisant",
                                                    "Nombre invalide : 1,,2"}));
        QCOMPARE(viewRow(window.scheduleView, 69), lastRow);
        QCOMPARE(window.durationField->value(), 70);
        QCOMPARE(window.paymentField->text(), QStringLiteral("11"));
    }

    void durationZeroIsADivisionByZero()
    {
        TEmprunt window(fake->platform);
        showActive(window);
        window.amountField->setText(QStringLiteral("1000"));
        window.rateField->setText(QStringLiteral("5"));
        window.durationField->setValue(0);
        QTest::mouseClick(window.computeButton, Qt::LeftButton);
        QCOMPARE(fake->messages.shown, QStringList{"Division par zéro"});
        QCOMPARE(window.paymentField->text(), QString());
    }

    void savingsTableGrowsForALongDuration()
    {
        fake->clock.date = QDate(2002, 12, 31);
        TPlacement window(fake->platform);
        showActive(window);
        QTest::keyClicks(window.amountField, "1000");
        QTest::keyClick(window.amountField, Qt::Key_Tab);
        QTest::keyClicks(window.rateField, "12");
        window.durationField->setValue(300);
        QTest::keyClick(window.rateField, Qt::Key_Return);
        QCOMPARE(window.paymentField->text(), QStringLiteral("0,00")); // no deposit: no table
        QCOMPARE(viewRow(window.scheduleView, 0), QStringLiteral("||||"));

        window.paymentField->setText(QStringLiteral("100"));
        QTest::keyClick(window.paymentField, Qt::Key_Return);
        QCOMPARE(window.paymentField->text(), QStringLiteral("100,00"));
        QTableView *view = window.scheduleView;
        QCOMPARE(view->model()->rowCount(), 302);
        QCOMPARE(viewRow(view, 0), QStringLiteral("1|31/01/2003|1110,00|10,00|100,00"));
        QVERIFY(viewRow(view, 299).startsWith(QStringLiteral("300|31/12/2027|")));
        QVERIFY(viewRow(view, 301).startsWith(QStringLiteral("|Totaux|")));
        QVERIFY(viewRow(view, 301).endsWith(QStringLiteral("|30000,00")));
    }

    void escapeAndFermerClose()
    {
        TPlacement window(fake->platform);
        showActive(window);
        checkClosing(window, window.closeButton);
    }
};

TAVELIN_WIDGET_TEST(ScheduleWindowsTest)
#include "ScheduleWindows_test.moc"
