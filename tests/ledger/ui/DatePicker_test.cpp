#include "WidgetTests.h"
#include "FakePlatform.h"

#include "document/ui/TFiche.h"
#include "ledger/ui/DatePicker.h"
#include "ledger/ui/TExer.h"
#include "vat/ui/TDeclarationTva.h"
#include "yearend/ui/TValidation.h"

#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

// A date typed in a date field stays the date typed, whatever month the
// field showed before.
class DatePickerTest : public QObject {
    Q_OBJECT

private slots:
    void keepsTheDateTypedWhole_data()
    {
        QTest::addColumn<QDate>("before");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("31st after a 30-day month") << QDate(2026, 11, 30) << "31032026" << "31/03/2026";
        QTest::newRow("31st after February") << QDate(2026, 2, 28) << "31012026" << "31/01/2026";
        QTest::newRow("29/02 of a leap year") << QDate(2026, 11, 30) << "29022028" << "29/02/2028";
        QTest::newRow("29/02 of another year is refused") << QDate(2026, 11, 30) << "29022027" << "30/11/2026";
        QTest::newRow("31/12") << QDate(2026, 11, 30) << "31122026" << "31/12/2026";
        QTest::newRow("a day the month shown has") << QDate(2026, 11, 30) << "15062026" << "15/06/2026";
    }

    void keepsTheDateTypedWhole()
    {
        QFETCH(QDate, before);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QWidget window;
        auto *picker = new DatePicker(&window);
        auto *next = new QLineEdit(&window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(picker);
        layout->addWidget(next);
        picker->setDate(before);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        picker->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(picker, typed);
        QTest::mouseClick(next, Qt::LeftButton); // the field is left
        QVERIFY(next->hasFocus());
        QCOMPARE(picker->text(), shown);
        QCOMPARE(picker->date(), QDate::fromString(shown, QStringLiteral("dd/MM/yyyy")));
    }

    // Every date field of the program's windows is one.
    void everyDateFieldIsOne()
    {
        FakePlatform fake;
        TExer exer;
        TValidation validation;
        TDeclarationTva vat(fake.platform);
        TFiche document(fake.platform);
        for (QWidget *window : std::initializer_list<QWidget *>{&exer, &validation, &vat, &document}) {
            const QList<QDateEdit *> fields = window->findChildren<QDateEdit *>();
            QVERIFY(!fields.isEmpty());
            for (QDateEdit *field : fields)
                QVERIFY2(qobject_cast<DatePicker *>(field), qPrintable(field->objectName()));
        }
    }
};

TAVELIN_WIDGET_TEST(DatePickerTest)
#include "DatePicker_test.moc"
