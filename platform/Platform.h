#pragma once

class Messages;
class Clock;
class FileSystem;
class FiscalYearDialog;
class FileDialogs;
class PrinterDialogs;
class HelpViewer;
class BusyPointer;
class SearchPrompt;
class Printer;
class FontDialog;

// The desktop services the ledger logic calls. The application fills it with
// the Qt implementations, the tests with doubles.
struct Platform {
    Messages *messages = nullptr;
    Clock *clock = nullptr;
    FileSystem *files = nullptr;
    FiscalYearDialog *fiscalYear = nullptr;
    FileDialogs *fileDialogs = nullptr;
    PrinterDialogs *printerDialogs = nullptr;
    HelpViewer *help = nullptr;
    BusyPointer *busy = nullptr;
    SearchPrompt *searchPrompt = nullptr;
    Printer *printer = nullptr; // the printer the dialogs set up
    FontDialog *fontDialog = nullptr;
};
