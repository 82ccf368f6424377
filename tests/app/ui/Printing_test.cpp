#include "WidgetTests.h"
#include "app/ui/TMainForm.h"
#include "document/ui/TFiche.h"
#include "platform/ui/QtPrinter.h"
#include "platform/ui/QtPrinterDialogs.h"
#include "printing/ui/TEnveloppes.h"
#include "support/FakePlatform.h"
#include "support/ModalDriver.h"
#include "support/PdfText.h"
#include "support/TempDir.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolButton>
#include <QTest>

namespace {

const std::string kLedger =
    "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
    "2002010" "15/01/2002\r\n" "2002011" "607000\r\n" "2002012" "Achat de marchandises\r\n" "2002013" "AC\r\n"
    "2002014" "F12\r\n" "2002015" "    120,00\r\n" "2002016\r\n" "2002017\r\n";

bool pdfHas(const QString &file, const QString &word)
{
    const PdfText pdf = readPdfText(file);
    for (std::size_t page = 0; page < pdf.pages.size(); ++page)
        if (pdf.find(int(page), word))
            return true;
    return false;
}

} // namespace

// The print commands of the main window on the real printer dialogs, printing
// into a PDF file; the other desktop services are doubles.
class PrintingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<CurrentTempDir> dir;
    std::unique_ptr<FakePlatform> fake;
    std::unique_ptr<QtPrinterDialogs> dialogs;
    std::unique_ptr<QtPrinter> printer;
    Platform platform;
    std::unique_ptr<TMainForm> main;
    QString output;

    void openLedger()
    {
        const QString path = dir->file(QStringLiteral("compta.jnl"));
        writeBytes(path, kLedger);
        fake->fileDialogs.openAnswers.push_back(path);
        main->menuAction(Cmd::Open)->trigger();
        QCOMPARE(main->fiche()->fiche().ledger.NomFichier, path);
    }

private slots:
    void init()
    {
        dir = std::make_unique<CurrentTempDir>();
        fake = std::make_unique<FakePlatform>();
        dialogs = std::make_unique<QtPrinterDialogs>();
        output = dir->file(QStringLiteral("impression.pdf"));
        dialogs->printer().setOutputFormat(QPrinter::PdfFormat);
        dialogs->printer().setOutputFileName(output);
        // Wired as the application wires it: a printer into a file asks each
        // job's file of the dialogs.
        printer = std::make_unique<QtPrinter>([this]() -> QPrinter & { return dialogs->printer(); },
                                              [this](QPrinter &device) { return dialogs->chooseJobFile(device, fake->fileDialogs); });
        platform = fake->platform;
        platform.printerDialogs = dialogs.get();
        platform.printer = printer.get();
        main = std::make_unique<TMainForm>(platform);
        main->show();
    }
    void cleanup()
    {
        main.reset();
        printer.reset();
        dialogs.reset();
        fake.reset();
        dir.reset();
    }

    void previewComesJustAfterPrintAndWaitsForADocument()
    {
        QMenu *fileMenu = main->menuBar()->actions().at(0)->menu();
        QStringList captions;
        for (QAction *action : fileMenu->actions())
            captions.append(action->text());
        const qsizetype printIndex = captions.indexOf(QStringLiteral("&Imprimer"));
        QVERIFY(printIndex >= 0);
        QCOMPARE(captions.value(printIndex + 1), QStringLiteral("Aper&çu avant impression"));
        QAction *preview = main->menuAction(Cmd::Preview);
        QCOMPARE(preview->statusTip(), QStringLiteral("Aperçu avant impression"));
        QVERIFY(!preview->isEnabled());
        QVERIFY(!main->toolButton(Cmd::Enveloppe)->isEnabled());
        openLedger();
        QVERIFY(preview->isEnabled());
        QVERIFY(main->menuAction(Cmd::Imprimer)->isEnabled());
        QVERIFY(main->toolButton(Cmd::Enveloppe)->isEnabled());
    }

    void cancellingThePrintDialogPrintsNothing()
    {
        openLedger();
        onNextModal<QPrintDialog>([](QPrintDialog *dialog) { dialog->reject(); });
        main->toolButton(Cmd::Imprimer)->click();
        QVERIFY(!QFile::exists(output));
        QVERIFY(fake->messages.shown.isEmpty());
    }

    void confirmingThePrintDialogPrintsThePageShown()
    {
        openLedger();
        main->menuAction(Cmd::Journal)->trigger();
        onNextModal<QPrintDialog>([](QPrintDialog *dialog) { dialog->accept(); });
        main->menuAction(Cmd::Imprimer)->trigger();
        QVERIFY(QFile::exists(output));
        QVERIFY(pdfHas(output, QStringLiteral("Janvier")));
        QVERIFY(pdfHas(output, QStringLiteral("marchandises")));
        QVERIFY(pdfHas(output, QStringLiteral("120,00")));
    }

    void previewOpensOnThePageShownAndCloses()
    {
        openLedger();
        main->menuAction(Cmd::Resultat)->trigger();
        int pages = 0;
        QString title;
        onNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
            title = dialog->windowTitle();
            if (auto *preview = dialog->findChild<QPrintPreviewWidget *>())
                pages = preview->pageCount();
            dialog->close();
        });
        main->menuAction(Cmd::Preview)->trigger();
        QCOMPARE(title, QStringLiteral("Aperçu avant impression"));
        QCOMPARE(pages, 1);
        QVERIFY(!QFile::exists(output));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void pageSetUpOpensOnThePrinterInUse()
    {
        QPrinter *shown = nullptr;
        onNextModal<QPageSetupDialog>([&shown](QPageSetupDialog *dialog) {
            shown = dialog->printer();
            dialog->reject();
        });
        main->menuAction(Cmd::PageSetup)->trigger();
        QCOMPARE(shown, &dialogs->printer());
    }

    void theEnvelopeButtonPrintsTheAddressesTyped()
    {
        openLedger();
        main->fiche()->fiche().ledger.ref.Societe[0] = QStringLiteral("SARL Dupont");
        QString sender;
        onNextModal<TEnveloppes>([&sender](TEnveloppes *window) {
            sender = window->senderLines[0]->text();
            QTest::keyClicks(window->recipientLines[0], QStringLiteral("Cabinet Martin"));
            QTest::mouseClick(window->okButton, Qt::LeftButton);
        });
        fake->fileDialogs.saveAnswers.push_back(output);
        main->toolButton(Cmd::Enveloppe)->click();
        QCOMPARE(sender, QStringLiteral("SARL Dupont"));
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Insérez une enveloppe dans l'imprimante")});
        QVERIFY(pdfHas(output, QStringLiteral("Martin")));
        QVERIFY(pdfHas(output, QStringLiteral("Dupont")));
    }

    void eachJobIntoAFileAsksForItsOwnFile()
    {
        openLedger();
        main->menuAction(Cmd::Journal)->trigger();
        onNextModal<QPrintDialog>([](QPrintDialog *dialog) { dialog->accept(); });
        main->menuAction(Cmd::Imprimer)->trigger();
        QVERIFY(fake->fileDialogs.saveRequests.empty()); // the print dialog chose this job's file
        const auto envelope = [this] {
            onNextModal<TEnveloppes>([](TEnveloppes *window) {
                QTest::keyClicks(window->recipientLines[0], QStringLiteral("Cabinet Martin"));
                QTest::mouseClick(window->okButton, Qt::LeftButton);
            });
            main->toolButton(Cmd::Enveloppe)->click();
        };
        const QString second = dir->file(QStringLiteral("enveloppe.pdf"));
        fake->fileDialogs.saveAnswers.push_back(second);
        envelope();
        QCOMPARE(fake->fileDialogs.saveRequests.size(), std::size_t(1));
        QCOMPARE(fake->fileDialogs.saveRequests[0].fileName, output);
        QVERIFY(fake->fileDialogs.saveRequests[0].confirmOverwrite);
        QVERIFY(pdfHas(output, QStringLiteral("Janvier")));
        QVERIFY(pdfHas(second, QStringLiteral("Martin")));
        // Cancelling the file dialog calls the job off without a word of refusal.
        QFile::remove(second);
        fake->messages.shown.clear();
        envelope();
        QCOMPARE(fake->fileDialogs.saveRequests.size(), std::size_t(2));
        QVERIFY(!QFile::exists(second));
        QCOMPARE(fake->messages.shown, QStringList{QStringLiteral("Insérez une enveloppe dans l'imprimante")});
    }

    void aCancelledEnvelopePrintsNothing()
    {
        openLedger();
        onNextModal<TEnveloppes>([](TEnveloppes *window) {
            QTest::keyClicks(window->recipientLines[0], QStringLiteral("Cabinet Martin"));
            QTest::keyClick(window->recipientLines[0], Qt::Key_Escape);
        });
        main->toolButton(Cmd::Enveloppe)->click();
        QVERIFY(fake->messages.shown.isEmpty());
        QVERIFY(!QFile::exists(output));
    }
};

TAVELIN_WIDGET_TEST(PrintingTest)
#include "Printing_test.moc"
