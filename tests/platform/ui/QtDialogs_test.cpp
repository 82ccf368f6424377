#include "WidgetTests.h"
#include "platform/ui/PrinterSetupDialog.h"
#include "platform/Printer.h"
#include "platform/ui/QtFileDialogs.h"
#include "platform/ui/QtMessages.h"
#include "platform/ui/QtPrinter.h"
#include "platform/ui/QtPrinterDialogs.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeView>

namespace {

// Types a name in the dialog's file name field and confirms, as a user does.
void type(QFileDialog *dialog, const QString &name)
{
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(field);
    field->setText(name);
    static_cast<QDialog *>(dialog)->accept();
}

} // namespace

class QtDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void aChoiceBoxOffersTheCallersTwoButtonsTheFirstByDefault()
    {
        QtMessages messages;
        const std::pair<int, Messages::Choice> keys[] = {{Qt::Key_Return, Messages::Choice::First},
                                                         {Qt::Key_Escape, Messages::Choice::Cancel}};
        for (const auto &[key, choice] : keys) {
            QStringList buttons;
            onNextModal<QMessageBox>([&buttons, key = key](QMessageBox *box) {
                for (QAbstractButton *button : box->buttons())
                    buttons.append(button->text());
                QTest::keyClick(box, Qt::Key(key));
            });
            QCOMPARE(messages.warningChoice(QStringLiteral("Le dossier est ouvert ailleurs."),
                                            QStringLiteral("Ouvrir en &lecture seule"), QStringLiteral("&Ouvrir quand même")),
                     choice);
            buttons.sort();
            QCOMPARE(buttons, (QStringList{"&Annuler", "&Ouvrir quand même", "Ouvrir en &lecture seule"}));
        }
    }

    void openDialogShowsTheFilterAndMovesTheCurrentFolder()
    {
        CurrentTempDir start;
        CurrentTempDir elsewhere;
        QDir::setCurrent(start.path());
        const QString chosen = elsewhere.file(QStringLiteral("COMPTA.JNL"));
        writeBytes(chosen, "x");
        QStringList filters;
        onNextModal<QFileDialog>([&](QFileDialog *dialog) {
            filters = dialog->nameFilters();
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Ouvrir"));
            QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(start.path()).canonicalPath());
            type(dialog, chosen);
        });
        QtFileDialogs dialogs;
        const auto answer = dialogs.open({QStringLiteral("Ouvrir"), QString(), QStringLiteral("jnl"),
                                          QStringLiteral("Fichiers compta (*.jnl)|*.jnl")});
        QCOMPARE(filters, QStringList{QStringLiteral("Fichiers compta (*.jnl)")});
        QVERIFY(answer);
        QCOMPARE(QFileInfo(*answer).canonicalFilePath(), QFileInfo(chosen).canonicalFilePath());
        QCOMPARE(QDir::current().canonicalPath(), QDir(elsewhere.path()).canonicalPath());
    }

    void saveDialogAddsTheDefaultExtensionAndDoesNotAskItself()
    {
        CurrentTempDir start;
        writeBytes(start.file(QStringLiteral("existant.jnl")), "x");
        QtFileDialogs dialogs;
        const FileDialogRequest request{QStringLiteral("Enregistrer sous"), QStringLiteral("*.jnl"), QStringLiteral("jnl"),
                                        QStringLiteral("Fichiers compta (*.jnl)|*.jnl")};
        onNextModal<QFileDialog>([](QFileDialog *dialog) {
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
            type(dialog, QStringLiteral("compta"));
        });
        auto answer = dialogs.save(request);
        QVERIFY(answer);
        QCOMPARE(QFileInfo(*answer).fileName(), QStringLiteral("compta.jnl"));

        // An existing file comes back without a question: the caller asks its own.
        onNextModal<QFileDialog>([](QFileDialog *dialog) { type(dialog, QStringLiteral("existant.jnl")); });
        answer = dialogs.save(request);
        QVERIFY(answer);
        QCOMPARE(QFileInfo(*answer).fileName(), QStringLiteral("existant.jnl"));

        onNextModal<QFileDialog>([](QFileDialog *dialog) { dialog->reject(); });
        QVERIFY(!dialogs.save(request));
    }

    // The detail view of the file list, read as the user reads it.
    void theFileListShowsSizesAndDatesInFrench()
    {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        CurrentTempDir dir;
        const QDateTime modified(QDate(2026, 12, 7), QTime(14, 30));
        const std::pair<const char *, int> files[] = {{"petit.jnl", 317}, {"grand.jnl", 1434}};
        for (const auto &[name, size] : files) {
            writeBytes(dir.file(QLatin1String(name)), std::string(std::size_t(size), 'x'));
            QFile file(dir.file(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
        }
        QMap<QString, QStringList> shown;
        onNextModal<QFileDialog>([&shown](QFileDialog *dialog) {
            dialog->setViewMode(QFileDialog::Detail);
            auto *list = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
            QVERIFY(list);
            QTRY_COMPARE(list->model()->rowCount(list->rootIndex()), 2);
            for (int row = 0; row < 2; ++row) {
                const auto text = [&](int column) {
                    return list->model()->index(row, column, list->rootIndex()).data().toString();
                };
                shown.insert(text(0), {text(1), text(3)});
            }
            dialog->reject();
        });
        QtFileDialogs dialogs;
        QVERIFY(!dialogs.open({QStringLiteral("Ouvrir"), QString(), QStringLiteral("jnl"),
                               QStringLiteral("Fichiers compta (*.jnl)|*.jnl")}));
        QLocale::setDefault(before);
        QCOMPARE(shown.value(QStringLiteral("petit.jnl")), (QStringList{"317 octets", "7 déc. 2026 14:30"}));
        QCOMPARE(shown.value(QStringLiteral("grand.jnl")), (QStringList{"1,40 Kio", "7 déc. 2026 14:30"}));
    }

    void printerSetUpToAPdfFile()
    {
        CurrentTempDir dir;
        QPrinter printer;
        PrinterSetupDialog dialog(printer);
        dialog.show();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Configuration de l'impression"));
        const int pdf = dialog.printerList->findText(QStringLiteral("Fichier PDF"));
        QVERIFY(pdf >= 0);
        dialog.printerList->setCurrentIndex(pdf);
        QVERIFY(dialog.fileField->isEnabled());
        // The file's label underlines its access letter and leads to the field.
        QLabel *fileLabel = nullptr;
        for (QLabel *label : dialog.findChildren<QLabel *>())
            if (label->text() == QStringLiteral("&Fichier :"))
                fileLabel = label;
        QVERIFY(fileLabel);
        QCOMPARE(fileLabel->buddy(), dialog.fileField);
        dialog.paperSizeList->setCurrentIndex(dialog.paperSizeList->findText(QStringLiteral("A5")));
        dialog.landscapeButton->setChecked(true);

        // No file name: the dialog says so and stays open.
        dialog.fileField->clear();
        QString said;
        onNextModal<QMessageBox>([&said](QMessageBox *box) {
            said = box->text();
            box->accept();
        });
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QCOMPARE(said, QStringLiteral("Indiquez le nom du fichier PDF."));
        QVERIFY(dialog.isVisible());

        dialog.fileField->setText(dir.file(QStringLiteral("balance.pdf")));
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(printer.outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(printer.outputFileName(), dir.file(QStringLiteral("balance.pdf")));
        QCOMPARE(printer.pageLayout().pageSize().id(), QPageSize::A5);
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);

        // Opened again, it shows the printer as it was left.
        PrinterSetupDialog again(printer);
        QCOMPARE(again.printerList->currentIndex(), again.printerList->findText(QStringLiteral("Fichier PDF")));
        QCOMPARE(again.paperSizeList->currentText(), QStringLiteral("A5"));
        QVERIFY(again.landscapeButton->isChecked());
        QCOMPARE(again.fileField->text(), dir.file(QStringLiteral("balance.pdf")));
    }

    void printerDialogsAnswerWhetherTheUserConfirmed()
    {
        QtPrinterDialogs dialogs;
        onNextModal<PrinterSetupDialog>([](PrinterSetupDialog *dialog) {
            QTest::mouseClick(dialog->cancelButton, Qt::LeftButton);
        });
        QVERIFY(!dialogs.setup());
        onNextModal<QPrintDialog>([](QPrintDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Imprimer"));
            dialog->reject();
        });
        QVERIFY(!dialogs.print());
    }

    void printDialogOffersAPdfFileAndAPageRange()
    {
        QtPrinterDialogs dialogs;
        bool toFile = false;
        bool range = false;
        onNextModal<QPrintDialog>([&](QPrintDialog *dialog) {
            toFile = dialog->testOption(QAbstractPrintDialog::PrintToFile);
            range = dialog->testOption(QAbstractPrintDialog::PrintPageRange);
            dialog->reject();
        });
        QVERIFY(!dialogs.print());
        QVERIFY(toFile);
        QVERIFY(range);
    }

    void pageSetUpWorksOnThePrinterOfTheRun()
    {
        QtPrinterDialogs dialogs;
        QPrinter *shown = nullptr;
        onNextModal<QPageSetupDialog>([&shown](QPageSetupDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Mise en page"));
            shown = dialog->printer();
            dialog->reject();
        });
        QVERIFY(!dialogs.pageSetup());
        QCOMPARE(shown, &dialogs.printer());

        // What the user sets there is what the next print job lays out on.
        onNextModal<QPageSetupDialog>([](QPageSetupDialog *dialog) {
            auto *landscape = dialog->findChild<QRadioButton *>(QStringLiteral("landscape"));
            QVERIFY(landscape);
            landscape->click();
            dialog->accept();
        });
        QVERIFY(dialogs.pageSetup());
        QCOMPARE(dialogs.printer().pageLayout().orientation(), QPageLayout::Landscape);
        QtPrinter device(dialogs.printer());
        QVERIFY(device.pageWidth() > device.pageHeight());
        QVERIFY(device.horizontalSize() > device.verticalSize());
    }

    void previewDrawsTheRunAndCloses()
    {
        QtPrinterDialogs dialogs;
        dialogs.printer().setOutputFormat(QPrinter::PdfFormat);
        dialogs.printer().setPrintRange(QPrinter::PageRange);
        dialogs.printer().setFromTo(2, 2);
        int runs = 0;
        int pagesShown = 0;
        QString title;
        onNextModal<QPrintPreviewDialog>([&](QPrintPreviewDialog *dialog) {
            title = dialog->windowTitle();
            // The whole job, whatever range a print dialog chose before.
            if (auto *pages = dialog->findChild<QPrintPreviewWidget *>())
                pagesShown = pages->pageCount();
            dialog->close();
        });
        dialogs.preview([&](Printer &printer) {
            ++runs;
            QVERIFY(printer.pageWidth() > 0 && printer.horizontalSize() > 0);
            QVERIFY(printer.beginDocument());
            printer.textOut(0, 0, QStringLiteral("Page 1"));
            printer.newPage();
            printer.textOut(0, 0, QStringLiteral("Page 2"));
            printer.endDocument();
        });
        QCOMPARE(title, QStringLiteral("Aperçu avant impression"));
        QVERIFY(runs >= 1);
        QCOMPARE(pagesShown, 2);
        QCOMPARE(dialogs.printer().printRange(), QPrinter::AllPages);
    }
};

TAVELIN_WIDGET_TEST(QtDialogsTest)
#include "QtDialogs_test.moc"
