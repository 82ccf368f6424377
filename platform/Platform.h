#pragma once

class Messages;
class Clock;
class FileSystem;
class FiscalYearDialog;

// The desktop services the ledger logic calls. The application fills it with
// the Qt implementations, the tests with doubles.
struct Platform {
    Messages *messages = nullptr;
    Clock *clock = nullptr;
    FileSystem *files = nullptr;
    FiscalYearDialog *fiscalYear = nullptr;
};
