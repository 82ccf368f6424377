#pragma once

#include "platform/PrinterDialogs.h"

#include <memory>

class FileDialogs;
class QPrinter;
class QWidget;

// The printer set-up, page set-up, print and preview dialogs, over the one
// printer of the run.
class QtPrinterDialogs final : public PrinterDialogs {
public:
    explicit QtPrinterDialogs(QWidget *parent = nullptr);
    ~QtPrinterDialogs() override;
    void setParent(QWidget *parent) { parent_ = parent; }
    bool setup() override;
    bool print() override;
    bool pageSetup() override;
    void preview(const std::function<void(Printer &)> &run) override;
    // The printer every print job uses, as the dialogs left it.
    QPrinter &printer();
    // The file of a job about to begin on a printer that prints into one:
    // the file the print or set-up dialog has just chosen serves one job;
    // every other job asks for its own with the save dialog, which asks
    // before replacing a file, so that an envelope never replaces the PDF
    // of the listing printed before it. False when the user cancelled.
    bool chooseJobFile(QPrinter &printer, FileDialogs &files);

private:
    void noteChosenFile();

    QWidget *parent_;
    std::unique_ptr<QPrinter> printer_;
    bool fileChosenForNextJob_ = false;
};
