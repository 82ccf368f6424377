#include "WidgetTests.h"
#include "document/ui/TFiche.h"
#include "lettering/ui/TBalanceAgee.h"
#include "support/LedgerText.h"
#include "support/FakePlatform.h"
#include "support/LedgerOnScreen.h"
#include "support/ModalDriver.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

// "Balance âgée…" over the document window on the 30th of June 2002: the
// rows shown, printed through the printer, and the printer's refusal told.
class TBalanceAgeeTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    void withBalance(const std::function<void(TBalanceAgee &)> &user)
    {
        QVERIFY2(whileModal<TBalanceAgee>([&] { window->agedBalance(); }, user), "the window was left open");
    }
    bool printed(const QString &text) const
    {
        return std::any_of(fake->printer.calls.begin(), fake->printer.calls.end(),
                           [&](const RecordingPrinter::Call &c) { return c.text == text; });
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2002, 6, 30);
        fake->printerDialogs.printAnswer = true;
        window = std::make_unique<TFiche>(fake->platform);
        window->run([](Fiche &f) {
            openAt(f.ledger,
                   kHeader2002 + entriesText("200203", {{"15/03/2002", "411000", "Facture", "VE", "", "500,00"}}) +
                       entriesText("200206", {{"20/06/2002", "411100", "Facture", "VE", "", "20,00"}}),
                   2002, 6);
            f.LitMois();
        });
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        fake.reset();
    }

    void theRowsAreShownAndPrinted()
    {
        withBalance([&](TBalanceAgee &d) {
            QCOMPARE(d.datePicker->date(), QDate(2002, 6, 30));
            QCOMPARE(d.grid->rowCount(), 3);
            QCOMPARE(d.grid->item(0, 5)->text(), QStringLiteral("500,00"));
            QCOMPARE(d.grid->item(1, 2)->text(), QStringLiteral("20,00"));
            QCOMPARE(d.grid->item(2, 6)->text(), QStringLiteral("520,00"));
            QTest::mouseClick(d.printButton, Qt::LeftButton);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QVERIFY(printed(QStringLiteral("Balance âgée au 30/06/2002")));
        QVERIFY(printed(QStringLiteral("520,00")));
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void aRefusingPrinterIsTold()
    {
        fake->printer.refuseBegin = true;
        withBalance([&](TBalanceAgee &d) {
            QTest::mouseClick(d.printButton, Qt::LeftButton);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(fake->messages.shown, QStringList{printerRefusedMessage()});
    }
};

TAVELIN_WIDGET_TEST(TBalanceAgeeTest)
#include "TBalanceAgee_test.moc"
