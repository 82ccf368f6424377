#include "WidgetTests.h"
#include "document/ui/TFiche.h"
#include "lettering/ui/TLettrage.h"
#include "support/LedgerText.h"
#include "support/FakePlatform.h"
#include "support/LedgerOnScreen.h"
#include "support/ModalDriver.h"

#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

// "Lettrage…" over the document window, on a customer's invoice and its two
// payments in March 2002: lines selected with the mouse and lettered by
// Ctrl+L, or refused when they do not settle each other.
class TLettrageTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    void withLettering(const std::function<void(TLettrage &)> &user)
    {
        QVERIFY2(whileModal<TLettrage>([&] { window->lettering(); }, user), "the window was left open");
    }
    // Ctrl+click on each row, as the user picks lines one by one.
    static void pick(TLettrage &d, std::initializer_list<int> rows)
    {
        for (int row : rows) {
            const QRect cell = d.linesTable->visualItemRect(d.linesTable->item(row, 0));
            QTest::mouseClick(d.linesTable->viewport(), Qt::LeftButton, Qt::ControlModifier, cell.center());
        }
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2002, 3, 31);
        window = std::make_unique<TFiche>(fake->platform);
        window->run([](Fiche &f) {
            openAt(f.ledger,
                   kHeader2002 + entriesText("200203", {{"01/03/2002", "411000", "Facture", "VE", "F1", "100,00"},
                                                        {"10/03/2002", "411000", "Acompte", "BQ", "", "", "40,00"},
                                                        {"20/03/2002", "411000", "Solde F1", "BQ", "", "", "60,00"}}),
                   2002, 3);
            f.LitMois();
        });
        window->resize(1000, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    void cleanup()
    {
        window.reset();
        fake.reset();
    }

    void linesThatSettleEachOtherAreLetteredByCtrlL()
    {
        withLettering([&](TLettrage &d) {
            QCOMPARE(d.accountField->text(), QStringLiteral("411"));
            QCOMPARE(d.linesTable->rowCount(), 3);
            pick(d, {0, 1, 2});
            QTest::keyClick(d.linesTable, Qt::Key_L, Qt::ControlModifier);
            QCOMPARE(d.linesTable->item(0, 6)->text(), QStringLiteral("AA 20/03/2002"));
            QCOMPARE(d.linesTable->item(2, 6)->text(), QStringLiteral("AA 20/03/2002"));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(window->fiche().ledger.Modifie);
        QCOMPARE(window->fiche().ledger.monthGrid.at(1, 8), QStringLiteral("AA 20/03/2002"));
    }

    void linesThatDoNotSettleAreRefusedWithTheDifference()
    {
        withLettering([&](TLettrage &d) {
            pick(d, {0, 1});
            QTest::mouseClick(d.letterButton, Qt::LeftButton);
            QVERIFY(d.linesTable->item(0, 6)->text().isEmpty());
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Les lignes ne se soldent pas : écart de 60,00.")});
        QVERIFY(!window->fiche().ledger.Modifie);
    }
};

TAVELIN_WIDGET_TEST(TLettrageTest)
#include "TLettrage_test.moc"
