#pragma once

class Messages;
class Clock;
class FileSystem;
class FiscalYearDialog;
class FileDialogs;
class PrinterDialogs;
class HelpViewer;
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
    FontDialog *fontDialog = nullptr;
};
