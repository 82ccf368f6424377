#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/ui/QtFileDialogs.h"
#include "platform/ui/QtFontDialog.h"
#include "platform/ui/QtHelpViewer.h"
#include "platform/ui/QtPrinterDialogs.h"

class QWidget;

// Message boxes of the desktop, with French buttons.
class QtMessages final : public Messages {
public:
    explicit QtMessages(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void information(const QString &text) override;
    Answer warningYesNoCancel(const QString &text) override;
    bool warningOkCancel(const QString &text) override;

private:
    QWidget *owner() const;
    QWidget *parent_;
};

// The fiscal-year dialog TExer, shown modally.
class QtFiscalYearDialog final : public FiscalYearDialog {
public:
    explicit QtFiscalYearDialog(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    std::optional<Dates> ask(QDate debut, QDate fin, QDate cloture) override;

private:
    QWidget *parent_;
};

// All the desktop services of the application, alive for the whole run.
struct QtPlatform {
    QtMessages messages;
    SystemClock clock;
    DiskFileSystem files;
    QtFiscalYearDialog fiscalYear;
    QtFileDialogs fileDialogs;
    QtPrinterDialogs printerDialogs;
    QtHelpViewer help{messages};
    QtFontDialog fontDialog;
    Platform platform{&messages, &clock, &files, &fiscalYear, &fileDialogs, &printerDialogs, &help, &fontDialog};
    void setParent(QWidget *parent)
    {
        messages.setParent(parent);
        fiscalYear.setParent(parent);
        fileDialogs.setParent(parent);
        printerDialogs.setParent(parent);
        fontDialog.setParent(parent);
    }
};
