#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QString>
#include <string>

namespace cli {

// Message boxes for a run without a window: the text goes to the error
// stream, one line per message. Nobody is there to answer a question, so every
// question is answered the way that changes nothing ("Annuler").
class ConsoleMessages final : public Messages {
public:
    explicit ConsoleMessages(std::string &err) : err_(err) {}
    void information(const QString &text) override;
    Answer warningYesNoCancel(const QString &text) override;
    bool warningOkCancel(const QString &text) override;

private:
    std::string &err_;
};

// The fiscal-year dialog of a run without a window: closed by "Annuler".
class NoFiscalYearDialog final : public FiscalYearDialog {
public:
    std::optional<Dates> ask(QDate, QDate, QDate) override { return std::nullopt; }
};

// The desktop services of tavelin-cli: messages to the error stream, the
// system clock, the disk.
class ConsolePlatform {
public:
    explicit ConsolePlatform(std::string &err) : messages_(err) {}
    ConsolePlatform(const ConsolePlatform &) = delete;
    ConsolePlatform &operator=(const ConsolePlatform &) = delete;

    const Platform &platform() const { return platform_; }

private:
    ConsoleMessages messages_;
    SystemClock clock_;
    DiskFileSystem files_;
    NoFiscalYearDialog fiscalYear_;
    Platform platform_{&messages_, &clock_, &files_, &fiscalYear_};
};

} // namespace cli
