#include "platform/ui/QtPrinterDialogs.h"

#include "platform/ui/PrinterSetupDialog.h"

#include <QPrintDialog>
#include <QPrinter>

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
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinterDialogs::print()
{
    QPrintDialog dialog(&printer(), parent_);
    dialog.setWindowTitle(QStringLiteral("Imprimer"));
    return dialog.exec() == QDialog::Accepted;
}
