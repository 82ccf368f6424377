#include "WidgetTests.h"
#include "bank/ui/TRapprochement.h"
#include "document/ui/TFiche.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

// The window of "Rapprochement bancaire..." over the document window: a
// statement chosen through the file dialog, "Pointer" reaching the month on
// screen, and a refused posting reaching the message box.

namespace {

const std::string kDossier = "<HEAD>\r\n01/01/2024\r\n31/12/2024\r\n01/01/2024\r\n</HEAD>\r\n"
                             "2024030" "05/03/2024\r\n" "2024031" "512000\r\n" "2024032" "Orange\r\n"
                             "2024033" "BQ\r\n" "2024034\r\n" "2024035\r\n" "2024036" "   39,99\r\n" "2024037\r\n";

const std::string kStatement = "Date;Libellé;Montant\r\n04/03/2024;PRLV ORANGE;-39,99\r\n15/03/2024;FRAIS;-8,50\r\n";

} // namespace

class TRapprochementTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    Fiche &fiche() { return window->fiche(); }

    // Opens the window on the statement and lets `act` work in it, then closes it.
    void reconcile(const std::function<void(TRapprochement *)> &act)
    {
        fake->fileDialogs.openAnswers.push_back(dir->file(QStringLiteral("releve.csv")));
        onNextModal<TRapprochement>([act](TRapprochement *w) {
            QTest::mouseClick(w->browseButton, Qt::LeftButton);
            act(w);
            QTest::mouseClick(w->closeButton, Qt::LeftButton);
        });
        window->reconcileBank();
    }

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2024, 3, 20);
        writeBytes(dir->file(QStringLiteral("compta.jnl")), kDossier);
        writeBytes(dir->file(QStringLiteral("releve.csv")), kStatement);
        writeBytes(dir->file(QStringLiteral("Tavelin.plc")), "512000 OO Banque\r\n627000 NN Frais\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.cbx")), "[JOURNAUX]\r\nBQ O Banque\r\n");
        window = std::make_unique<TFiche>(fake->platform);
        window->run([&](Fiche &f) {
            f.FormActivate();
            f.Charge(dir->file(QStringLiteral("compta.jnl")));
            f.ledger.Mois = 3;
            f.LitMois();
        });
    }

    void checkOffMarksTheMonthOnScreen()
    {
        QString status;
        reconcile([&status](TRapprochement *w) {
            status = w->statementTable->item(0, 3)->text();
            QTest::mouseClick(w->checkOffButton, Qt::LeftButton);
        });
        QCOMPARE(status, QStringLiteral("pointée"));
        QCOMPARE(fiche().ledger.monthGrid.at(0, 7), QStringLiteral("×"));
        QVERIFY(fiche().ledger.Modifie);
    }

    // The CSV states no balance: the one typed reaches the reconciliation
    // statement, and a text that is no amount reaches the message box.
    void theStatementBalanceIsTypedWhenTheFileHasNone()
    {
        QString lastRow;
        QString placeholder;
        reconcile([&](TRapprochement *w) {
            placeholder = w->balanceField->placeholderText();
            QVERIFY(!w->balanceField->isReadOnly());
            w->balanceField->setFocus();
            QTest::keyClicks(w->balanceField, QStringLiteral("-48,49"));
            QTest::keyClick(w->balanceField, Qt::Key_Return);
            lastRow = w->reconciliationTable->item(w->reconciliationTable->rowCount() - 1, 1)->text();
            w->balanceField->selectAll();
            QTest::keyClicks(w->balanceField, QStringLiteral("dix"));
            QTest::keyClick(w->balanceField, Qt::Key_Return);
        });
        QCOMPARE(placeholder, QStringLiteral("à taper : le relevé ne le donne pas"));
        QCOMPARE(lastRow, QStringLiteral("L'écart est expliqué."));
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Montant invalide : dix")});
    }

    void aPostingOnAnAccountTheChartLacksIsRefused()
    {
        reconcile([](TRapprochement *w) {
            w->proposalsTable->item(0, 0)->setCheckState(Qt::Checked);
            w->proposalsTable->item(0, 4)->setText(QStringLiteral("999"));
            QTest::mouseClick(w->postButton, Qt::LeftButton);
        });
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Le compte 999000 n'existe pas")});
        QCOMPARE(fiche().ledger.monthGrid.at(1, 0), QString());
    }
};

TAVELIN_WIDGET_TEST(TRapprochementTest)
#include "TRapprochement_test.moc"
