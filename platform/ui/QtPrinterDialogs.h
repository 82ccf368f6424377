#pragma once

#include "platform/PrinterDialogs.h"

#include <memory>

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

private:
    QWidget *parent_;
    std::unique_ptr<QPrinter> printer_;
};
