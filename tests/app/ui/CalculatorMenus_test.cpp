#include "WidgetTests.h"
#include "app/ui/TMainForm.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "support/ToolMenus.h"
#include "calculators/ui/TEmprunt.h"
#include "calculators/ui/TEurof.h"
#include "calculators/ui/TPlacement.h"
#include "calculators/ui/TPocket.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

// The calculators of the Outils and Utilitaires menus, opened from the main window.
class CalculatorMenusTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TMainForm> main;

    template <typename Tool>
    void openFromMenu(Cmd cmd, const QString &menuText, const QString &caption, std::function<void(Tool *)> use)
    {
        ::openFromMenu<Tool>(*main, cmd, menuText, caption, main.get(), use);
    }

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        main = std::make_unique<TMainForm>(fake->platform);
        main->show();
        QVERIFY(QTest::qWaitForWindowExposed(main.get()));
    }
    void cleanup()
    {
        main.reset();
        fake.reset();
        dir.reset();
    }

    void loanCalculator()
    {
        fake->clock.date = QDate(2003, 12, 31);
        openFromMenu<TEmprunt>(Cmd::Loans, QStringLiteral("&Emprunts"), QStringLiteral("Emprunts"), [](TEmprunt *loan) {
            QTest::keyClicks(loan->amountField, "1000");
            QTest::keyClicks(loan->rateField, "12");
            QTest::keyClicks(loan->paymentField, "500");
            QTest::keyClick(loan->paymentField, Qt::Key_Return);
            const QAbstractItemModel *grid = loan->scheduleView->model();
            QCOMPARE(grid->index(0, 1).data().toString(), QStringLiteral("31/01/2004"));
            QCOMPARE(grid->index(2, 1).data().toString(), QStringLiteral("31/03/2004"));
            QCOMPARE(loan->durationField->value(), 3);
            QTest::mouseClick(loan->closeButton, Qt::LeftButton);
        });
        openFromMenu<TEmprunt>(Cmd::Loans, QStringLiteral("&Emprunts"), QStringLiteral("Emprunts"), [](TEmprunt *loan) {
            QCOMPARE(loan->amountField->text(), QString());
            QCOMPARE(loan->durationField->value(), 24);
            QTest::keyClick(loan, Qt::Key_Escape);
        });
    }

    void savingsCalculatorSaysWhatItRefuses()
    {
        openFromMenu<TPlacement>(Cmd::Savings, QStringLiteral("&Placements"), QStringLiteral("Placements"),
                                 [](TPlacement *savings) {
                                     QTest::keyClicks(savings->rateField, "3");
                                     savings->durationField->setValue(2000);
                                     QTest::keyClick(savings->rateField, Qt::Key_Return);
                                     QTest::mouseClick(savings->closeButton, Qt::LeftButton);
                                 });
        QCOMPARE(fake->messages.shown, QStringList{"La durée ne peut dépasser 1200 mois"});
    }

    void pocketCalculator()
    {
        openFromMenu<TPocket>(Cmd::Calculator, QStringLiteral("C&alculatrice"), QStringLiteral("Calculatrice"),
                              [](TPocket *pocket) {
                                  QTest::keyClicks(QApplication::focusWidget(), "2+3*4=");
                                  QCOMPARE(pocket->display->text(), QStringLiteral("20"));
                                  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
                              });
    }

    void euroConverter()
    {
        openFromMenu<TEurof>(Cmd::Euro, QStringLiteral("&Euro conversion"), QStringLiteral("Euro convertisseur"),
                             [](TEurof *euro) {
                                 QCOMPARE(euro->rateField->text(), QStringLiteral("6,55957"));
                                 QTest::keyClicks(QApplication::focusWidget(), "100\r");
                                 QCOMPARE(euro->resultDisplay->text(), QStringLiteral("15,24"));
                                 QTest::mouseClick(euro->closeButton, Qt::LeftButton);
                             });
    }
};

TAVELIN_WIDGET_TEST(CalculatorMenusTest)
#include "CalculatorMenus_test.moc"
