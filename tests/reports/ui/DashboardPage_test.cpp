#include "WidgetTests.h"
#include "FakePlatform.h"
#include "RealisticYear.h"
#include "TempDir.h"
#include "support/PdfText.h"

#include "document/DashboardCommands.h"
#include "document/PrintCommands.h"
#include "document/VatCommands.h"
#include "document/ui/TFiche.h"
#include "ledger/ui/DocumentPage.h"
#include "platform/ui/QtPrinter.h"

#include <QCheckBox>
#include <QLabel>
#include <QPageSize>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The dashboard page inside the document window, offscreen. With
// TAVELIN_SCREENSHOTS naming a folder, the page is also saved there as PNG.
class DashboardPageTest : public QObject {
    Q_OBJECT

private:
    FakePlatform fake_;
    std::unique_ptr<TFiche> window_;

    Fiche &fiche() { return window_->fiche(); }
    template <class T>
    T *control(const char *name)
    {
        T *found = window_->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString cell(const char *table, int row, int column)
    {
        const QTableWidgetItem *item = control<QTableWidget>(table)->item(row, column);
        return item ? item->text() : QString();
    }
    QString header(const char *table, int column)
    {
        return control<QTableWidget>(table)->horizontalHeaderItem(column)->text();
    }

private slots:
    void init()
    {
        // The platform outlives each test: what one test told or refused is
        // not the next one's.
        fake_.messages.clear();
        fake_.printer.refuseBegin = false;
        window_ = std::make_unique<TFiche>(fake_.platform);
        realisticChart(fiche().ledger.ref);
        // An opening balance in the bank, a sale and a purchase in February,
        // the wages paid in March, which take the bank below zero.
        fiche().ledger.Lignes = linesOf(
            kHeader2002 + entriesText("200201", {{"01/01/2002", "512000", "Reprise", "AN", "", "500,00", "", ""}})
            + entriesText("200202", {{"10/02/2002", "707000", "Vente", "VE", "", "", "1200,00", ""},
                                     {"10/02/2002", "411000", "Vente", "VE", "", "1200,00", "", ""},
                                     {"12/02/2002", "607000", "Achat", "AC", "", "300,00", "", ""},
                                     {"12/02/2002", "401000", "Achat", "AC", "", "", "300,00", ""}})
            + entriesText("200203", {{"15/03/2002", "641000", "Salaires", "BQ", "", "800,00", "", ""},
                                     {"15/03/2002", "512000", "Salaires", "BQ", "", "", "800,00", ""}}));
        window_->run([](Fiche &f) {
            f.ledger.LitHead();
            f.LitMois();
        });
        window_->resize(1100, 700);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void showsTheYearAndFollowsAPostedEntry()
    {
        window_->run(document::TableauDeBord);
        QVERIFY(window_->page(Page::TableauDeBord)->isVisible());
        QCOMPARE(control<QLabel>("dashboardTitle")->text(),
                 QStringLiteral("Tableau de bord de l'exercice du 01/01/2002 au 31/12/2002"));
        QCOMPARE(header("salesTable", 1), QStringLiteral("févr."));
        QCOMPARE(cell("salesTable", 0, 1), QStringLiteral("1\u202F200,00"));
        QCOMPARE(cell("salesTable", 1, 1), QStringLiteral("300,00"));
        QCOMPARE(cell("salesTable", 2, 2), QStringLiteral("-800,00"));
        QCOMPARE(header("treasuryTable", 0), QStringLiteral("Ouverture"));
        QCOMPARE(cell("treasuryTable", 0, 0), QStringLiteral("500,00"));
        QCOMPARE(cell("treasuryTable", 0, 3), QStringLiteral("-300,00"));
        QCOMPARE(control<QLabel>("treasuryToday")->text(), QStringLiteral("Trésorerie au 15/03/2002 : -300,00 €"));
        QCOMPARE(cell("chargesTable", 0, 0), QStringLiteral("300,00"));
        QCOMPARE(cell("chargesTable", 3, 0), QStringLiteral("800,00"));
        QCOMPARE(cell("chargesTable", 5, 0), QStringLiteral("1\u202F100,00"));
        // The sale and the purchase of 10 and 12 February are 33 and 31 days old on 15 March.
        QCOMPARE(header("outstandingTable", 0), QStringLiteral("0 à 30 jours"));
        QCOMPARE(header("outstandingTable", 1), QStringLiteral("31 à 60 jours"));
        QCOMPARE(cell("outstandingTable", 0, 0), QStringLiteral("0,00"));
        QCOMPARE(cell("outstandingTable", 0, 1), QStringLiteral("1\u202F200,00"));
        QCOMPARE(cell("outstandingTable", 1, 1), QStringLiteral("300,00"));

        const ProposedEntry sale{QDate(2002, 3, 15), QStringLiteral("Vente comptant"), QStringLiteral("VE"),
                                 {{QStringLiteral("512000"), 10000, 0}, {QStringLiteral("707000"), 0, 10000}}};
        window_->run([&sale](Fiche &f) { QVERIFY(document::postProposedEntry(f, sale)); });
        QVERIFY(window_->page(Page::TableauDeBord)->isVisible());
        QCOMPARE(cell("salesTable", 0, 2), QStringLiteral("100,00"));
        QCOMPARE(cell("treasuryTable", 0, 3), QStringLiteral("-200,00"));
        QCOMPARE(control<QLabel>("treasuryToday")->text(), QStringLiteral("Trésorerie au 15/03/2002 : -200,00 €"));
        QVERIFY(fake_.messages.shown.isEmpty());

        const QString folder = qEnvironmentVariable("TAVELIN_SCREENSHOTS");
        if (!folder.isEmpty())
            window_->grab().save(folder + QStringLiteral("/tableau_de_bord.png"));
    }

    void printsThePageOrTellsWhyNot()
    {
        window_->run(document::TableauDeBord);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("tableau.pdf"));
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(file);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QtPrinter device(pdf);
        document::Imprimer(fiche(), device);
        QVERIFY(fake_.messages.shown.isEmpty());

        const PdfText text = readPdfText(file);
        QVERIFY2(text.read, "pdftotext (poppler-utils) reads the file");
        QCOMPARE(int(text.pages.size()), 1);
        QStringList words;
        for (const PdfWord &word : text.pages[0])
            words.append(word.text);
        const QString page = words.join(u' ');
        for (const char *expected : {"Tableau de bord", "Exercice du 01/01/2002 au 31/12/2002", "Ventes et charges par mois",
                                     "Ventes", "Charges", "Résultat", "Trésorerie", "au 15/03/2002 : -300,00 €",
                                     "Charges de l'exercice", "À encaisser, à payer", "Clients à encaisser",
                                     "Fournisseurs à payer", "Ouverture", "500,00", "Personnel", "800,00"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), qPrintable(page));
        QVERIFY2(page.contains(QStringLiteral("1\u202F200,00")) || page.contains(QStringLiteral("1 200,00")),
                 qPrintable(page));

        fake_.printer.refuseBegin = true;
        document::Imprimer(fiche(), fake_.printer);
        QCOMPARE(fake_.messages.shown, QStringList{printerRefusedMessage()});
    }

    void theChoiceToOpenOnTheDashboardIsKept()
    {
        CurrentTempDir dir;
        fiche().ledger.NomFichier = dir.file(QStringLiteral("compta.jnl"));
        window_->run(document::TableauDeBord);
        QCheckBox *atOpening = control<QCheckBox>("dashboardAtOpening");
        QCOMPARE(atOpening->text(), QStringLiteral("&Afficher à l'ouverture du dossier"));
        QVERIFY(!atOpening->isChecked());
        QTest::mouseClick(atOpening, Qt::LeftButton);
        QVERIFY(atOpening->isChecked());
        QFile cfg(dir.file(QStringLiteral("Tavelin.cfg")));
        QVERIFY(cfg.open(QIODevice::ReadOnly));
        QVERIFY(cfg.readAll().contains("tableau_de_bord_a_l_ouverture=oui"));

        window_->run([](Fiche &f) {
            f.Saisie();
            document::showChosenOpeningPage(f);
        });
        QVERIFY(window_->page(Page::TableauDeBord)->isVisible());
        QVERIFY2(fake_.messages.shown.isEmpty(), qPrintable(fake_.messages.shown.join(u'|')));
    }
};

TAVELIN_WIDGET_TEST(DashboardPageTest)
#include "DashboardPage_test.moc"
