#pragma once

#include "exchange/ui/TRNom.h"
#include "ledger/ui/QtFiscalYearDialog.h"
#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/Platform.h"
#include "platform/ui/QtBusyPointer.h"
#include "platform/ui/QtFileDialogs.h"
#include "platform/ui/QtFontDialog.h"
#include "platform/ui/QtHelpViewer.h"
#include "platform/ui/QtMessages.h"
#include "platform/ui/QtPrinter.h"
#include "platform/ui/QtPrinterDialogs.h"
#include "platform/ui/SystemClockSetter.h"

class QWidget;

// All the desktop services of the application, alive for the whole run.
struct QtPlatform {
    QtMessages messages;
    SystemClock clock;
    DiskFileSystem files;
    QtFiscalYearDialog fiscalYear;
    QtFileDialogs fileDialogs;
    QtPrinterDialogs printerDialogs;
    QtHelpViewer help{messages};
    QtBusyPointer busy;
    TRNomPrompt searchPrompt;
    QtPrinter printer{[this]() -> QPrinter & { return printerDialogs.printer(); },
                      [this](QPrinter &device) { return printerDialogs.chooseJobFile(device, fileDialogs); }};
    QtFontDialog fontDialog;
    SystemClockSetter clockSetter;
    Platform platform{&messages, &clock, &files, &fiscalYear, &fileDialogs, &printerDialogs, &help, &busy, &searchPrompt, &printer,
                      &fontDialog, &clockSetter};
    void setParent(QWidget *parent)
    {
        messages.setParent(parent);
        fiscalYear.setParent(parent);
        fileDialogs.setParent(parent);
        printerDialogs.setParent(parent);
        searchPrompt.setParent(parent);
        fontDialog.setParent(parent);
    }
};
