#include "WidgetTests.h"
#include "document/ui/TFiche.h"
#include "einvoice/ui/TFacturesRecues.h"
#include "support/EInvoiceFiles.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <memory>

// The window of "Factures reçues…" over the document window: a folder chosen
// through the folder dialog, "Comptabiliser" reaching the month on screen,
// and a refused invoice reaching the message box.

class TFacturesRecuesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<TFiche> window;

    Fiche &fiche() { return window->fiche(); }

    // Opens the window on the folder of invoices, selects the row of `file`
    // and clicks "Comptabiliser"; gives back the statuses shown then.
    QStringList post(const QString &file)
    {
        QStringList statuses;
        fake->fileDialogs.folderAnswers.push_back(dir->file(QStringLiteral("recues")));
        onNextModal<TFacturesRecues>([&](TFacturesRecues *w) {
            QTest::mouseClick(w->browseButton, Qt::LeftButton);
            const QList<QTableWidgetItem *> found = w->invoicesTable->findItems(file, Qt::MatchExactly);
            if (!found.isEmpty())
                w->invoicesTable->selectRow(found.front()->row());
            QTest::mouseClick(w->postButton, Qt::LeftButton);
            for (int r = 0; r < w->invoicesTable->rowCount(); ++r)
                statuses << w->invoicesTable->item(r, 1)->text();
            QTest::mouseClick(w->closeButton, Qt::LeftButton);
        });
        window->receiveInvoices();
        return statuses;
    }

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        fake->clock.date = QDate(2026, 3, 20);
        writeBytes(dir->file(QStringLiteral("compta.jnl")), "<HEAD>\r\n01/01/2026\r\n31/12/2026\r\n01/01/2026\r\n</HEAD>\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.plc")),
                   "401000 NN Fournisseurs\r\n445660 NN TVA déductible\r\n607000 NN Achats\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.cbx")), "[JOURNAUX]\r\nAC O Achats\r\n");
        writeBytes(dir->file(QStringLiteral("Tavelin.ini")),
                   "0\r\n\r\n0\r\nVE\r\n411000\r\n706000\r\n445710\r\nAC\r\n401000\r\n607000\r\n445660\r\n");
        QDir(dir->path()).mkdir(QStringLiteral("recues"));
        writeBytes(dir->file(QStringLiteral("recues/papier.xml")), einvoicefiles::ublXml(einvoicefiles::Draft()));
        einvoicefiles::Draft wrong;
        wrong.grand = "125.00";
        writeBytes(dir->file(QStringLiteral("recues/faux.xml")), einvoicefiles::ciiXml(wrong));
        window = std::make_unique<TFiche>(fake->platform);
        window->run([&](Fiche &f) {
            f.FormActivate();
            f.Charge(dir->file(QStringLiteral("compta.jnl")));
            f.ledger.Mois = 3;
            f.LitMois();
        });
    }

    void anInvoiceBookedShowsInTheMonthWithItsFileKept()
    {
        QCOMPARE(post(QStringLiteral("papier.xml")),
                 (QStringList{QStringLiteral("Refusée : le total TTC 125,00 n'est pas le total HT 100,00 plus la TVA 20,00 "
                                             "(règle : TTC = HT + TVA)"),
                              QStringLiteral("Comptabilisée")}));
        QCOMPARE(fiche().ledger.monthGrid.at(2, 1), QStringLiteral("401000"));
        QCOMPARE(fiche().ledger.monthGrid.at(2, 4), QStringLiteral("F2026-001"));
        QVERIFY(fiche().ledger.Modifie);
        QVERIFY(QFile::exists(dir->file(QStringLiteral("compta.pieces/2026-03/papier.xml"))));
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void aRefusedInvoiceIsToldAndNothingIsPosted()
    {
        post(QStringLiteral("faux.xml"));
        QCOMPARE(fake->messages.shown,
                 QStringList{QStringLiteral("faux.xml : Refusée : le total TTC 125,00 n'est pas le total HT 100,00 plus "
                                            "la TVA 20,00 (règle : TTC = HT + TVA)")});
        QCOMPARE(fiche().ledger.NbLignes, 0);
    }
};

TAVELIN_WIDGET_TEST(TFacturesRecuesTest)
#include "TFacturesRecues_test.moc"
