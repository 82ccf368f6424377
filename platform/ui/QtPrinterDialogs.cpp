#include "platform/ui/QtPrinterDialogs.h"

#include "platform/FileDialogs.h"
#include "platform/ui/PrinterSetupDialog.h"
#include "platform/ui/QtPrinter.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <utility>

QtPrinterDialogs::QtPrinterDialogs(QWidget *parent) : parent_(parent) {}

QtPrinterDialogs::~QtPrinterDialogs() = default;

QPrinter &QtPrinterDialogs::printer()
{
    // Made on first use: a printer needs the running application.
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinterDialogs::setup()
{
    PrinterSetupDialog dialog(printer(), parent_);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    noteChosenFile();
    return true;
}

bool QtPrinterDialogs::print()
{
    QPrintDialog dialog(&printer(), parent_);
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    // Printing into a PDF file is offered beside the printers of the system.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    noteChosenFile();
    return true;
}

void QtPrinterDialogs::noteChosenFile()
{
    fileChosenForNextJob_ = printer().outputFormat() == QPrinter::PdfFormat;
}

bool QtPrinterDialogs::chooseJobFile(QPrinter &device, FileDialogs &files)
{
    if (std::exchange(fileChosenForNextJob_, false))
        return true;
    const std::optional<QString> chosen = files.save({QStringLiteral("Imprimer dans un fichier"), device.outputFileName(),
                                                      QStringLiteral("pdf"), QStringLiteral("Documents PDF (*.pdf)|*.pdf"),
                                                      true});
    if (!chosen)
        return false;
    device.setOutputFileName(*chosen);
    return true;
}

bool QtPrinterDialogs::pageSetup()
{
    QPageSetupDialog dialog(&printer(), parent_);
    dialog.setWindowTitle(QStringLiteral("Mise en page"));
    return dialog.exec() == QDialog::Accepted;
}

void QtPrinterDialogs::preview(const std::function<void(Printer &)> &run)
{
    // The preview shows the whole job, whatever range a print dialog chose before.
    printer().setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog dialog(&printer(), parent_);
    dialog.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&run](QPrinter *device) {
        QtPrinter onDevice(*device);
        run(onDevice);
    });
    dialog.exec();
}
