#include "WidgetTests.h"
#include "document/ui/TFiche.h"
#include "support/FakePlatform.h"
#include "support/LedgerOnScreen.h"
#include "support/ModalDriver.h"
#include "vat/VatBooks.h"
#include "ledger/ui/ViewGrid.h"
#include "vat/ui/TDeclarationTva.h"
#include "vat/ui/TEcritureTva.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

// The VAT return window opened from the document window on the small VAT
// year, today being 10/04/2002: its period, its lines, the settling entry
// seen and posted, the printout.
class TDeclarationTvaTest : public QObject {
    Q_OBJECT

    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    Fiche &fiche() { return window->fiche(); }
    static QString cell(const QTableView *table, int row, int column)
    {
        return table->model()->index(row, column).data().toString();
    }
    // A click on the round button itself, where the user aims.
    static void choose(QRadioButton *choice)
    {
        QTest::mouseClick(choice, Qt::LeftButton, {}, QPoint(8, choice->height() / 2));
    }
    void withReturn(const std::function<void(TDeclarationTva &)> &user)
    {
        QVERIFY2(whileModal<TDeclarationTva>([&] { window->vatReturn(); }, user), "the window was left open");
    }
    // "Passer l'écriture", then "Passer l'écriture" again on the entry shown.
    static void post(TDeclarationTva &d, const std::function<void(TEcritureTva &)> &seen = {})
    {
        onNextModal<TEcritureTva>([seen](TEcritureTva *proposal) {
            if (seen)
                seen(*proposal);
            QTest::mouseClick(proposal->postButton, Qt::LeftButton);
        });
        QTest::mouseClick(d.postButton, Qt::LeftButton);
    }

private slots:
    void init()
    {
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2002, 4, 10);
        window = std::make_unique<TFiche>(fake->platform);
        window->run([](Fiche &f) {
            openAt(f.ledger, vatBooks(), 2002, 3);
            f.ledger.ref.ListePlc = kVatChart;
            f.ledger.ref.ListeJnx = kVatJournals;
            f.ledger.InitPlc();
            f.ledger.InitJnx();
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

    void theLastMonthIsShownAndItsSettlementPostedAndPrinted()
    {
        withReturn([&](TDeclarationTva &d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Déclaration de TVA"));
            QVERIFY(d.monthChoice->isChecked());
            QCOMPARE(d.monthList->currentText(), QStringLiteral("Mars 2002"));
            QCOMPARE(cell(d.linesTable, 1, 1), QStringLiteral("TVA collectée"));
            QCOMPARE(cell(d.linesTable, 6, 2), QStringLiteral("71,00"));
            choose(d.quarterChoice);
            QCOMPARE(d.quarterList->currentText(), QStringLiteral("1er trimestre 2002"));
            QCOMPARE(cell(d.linesTable, 6, 2), QStringLiteral("51,00"));
            choose(d.datesChoice);
            QVERIFY(d.fromPicker->isEnabled());
            QCOMPARE(cell(d.linesTable, 6, 2), QStringLiteral("71,00"));
            choose(d.monthChoice);

            post(d, [](TEcritureTva &proposal) {
                QCOMPARE(proposal.journalList->currentText(), QStringLiteral("OD"));
                QCOMPARE(proposal.linesTable->model()->rowCount(), 6);
                QCOMPARE(cell(proposal.linesTable, 4, 1), QStringLiteral("445510"));
                QCOMPARE(cell(proposal.linesTable, 5, 3), QStringLiteral("201,00"));
                QCOMPARE(cell(proposal.linesTable, 5, 4), QStringLiteral("201,00"));
            });
            // February, not settled, is told after.
            QCOMPARE(d.messageLabel->text(), QStringLiteral("L'écriture « TVA Mars 2002 » du 31/03/2002 est passée.\nDéclaration de la période précédente non passée : le crédit antérieur est celui du 01/01/2002."));
            QCOMPARE(cell(d.linesTable, 6, 2), QStringLiteral("71,00"));

            fake->printerDialogs.printAnswer = true;
            QTest::mouseClick(d.printButton, Qt::LeftButton);
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(fiche().ledger.NbLignes, 17);
        QCOMPARE(fiche().ledger.monthGrid.at(16, 2), QStringLiteral("TVA Mars 2002"));
        const std::vector<QString> printed = fake->printer.texts();
        for (const char *text : {"Déclaration de TVA", "Période : Mars 2002 (du 01/03/2002 au 31/03/2002)",
                                 "TVA nette due", "71,00"})
            QVERIFY2(std::find(printed.begin(), printed.end(), QString::fromUtf8(text)) != printed.end(), text);
    }

    void anEntryTheDocumentRefusesIsToldAndNotPosted()
    {
        window->run([](Fiche &f) { f.ledger.fiscalYear.closing = QDate(2002, 12, 31); });
        withReturn([&](TDeclarationTva &d) {
            post(d);
            QCOMPARE(d.messageLabel->text(), QStringLiteral("Déclaration de la période précédente non passée : le crédit antérieur est celui du 01/01/2002."));
            QTest::mouseClick(d.closeButton, Qt::LeftButton);
        });
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Les écritures jusqu'au 31/12/2002 sont validées")});
        QCOMPARE(fiche().ledger.NbLignes, 12);
    }
};

TAVELIN_WIDGET_TEST(TDeclarationTvaTest)
#include "TDeclarationTva_test.moc"
