#pragma once

#include "platform/Clock.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/FontDialog.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/PrinterDialogs.h"

#include <QStringList>
#include <deque>
#include <set>
#include <vector>

// Test doubles of the desktop services: they record what the logic asked and
// answer with what the test queued, never blocking on a window.

class FakeMessages final : public Messages {
public:
    QStringList shown;                 // every text shown, in order
    std::deque<Answer> yesNoCancel;    // answers to the next Oui/Non/Annuler boxes
    std::deque<bool> okCancel;         // answers to the next OK/Annuler boxes

    void information(const QString &text) override { shown.append(text); }
    Answer warningYesNoCancel(const QString &text) override
    {
        shown.append(text);
        if (yesNoCancel.empty())
            return Answer::Annuler;
        const Answer a = yesNoCancel.front();
        yesNoCancel.pop_front();
        return a;
    }
    bool warningOkCancel(const QString &text) override
    {
        shown.append(text);
        if (okCancel.empty())
            return false;
        const bool a = okCancel.front();
        okCancel.pop_front();
        return a;
    }
};

class FakeClock final : public Clock {
public:
    QDate date{2002, 3, 15};
    QTime time{10, 30, 0};
    QDate today() const override { return date; }
    QTime now() const override { return time; }
};

// The disk, unless a test lists the paths that exist.
class FakeFileSystem final : public FileSystem {
public:
    bool useDisk = true;
    std::set<QString> present;
    bool exists(const QString &path) const override
    {
        return useDisk ? DiskFileSystem().exists(path) : present.count(path) > 0;
    }
};

class FakeFiscalYearDialog final : public FiscalYearDialog {
public:
    std::optional<Dates> answer; // nothing: "Annuler"
    int calls = 0;
    QDate shownDebut, shownFin, shownCloture;
    std::optional<Dates> ask(QDate debut, QDate fin, QDate cloture) override
    {
        ++calls;
        shownDebut = debut;
        shownFin = fin;
        shownCloture = cloture;
        return answer;
    }
};

class FakeFileDialogs final : public FileDialogs {
public:
    std::deque<std::optional<QString>> openAnswers; // nothing: "Annuler"
    std::deque<std::optional<QString>> saveAnswers;
    std::vector<FileDialogRequest> openRequests;   // every dialog shown, in order
    std::vector<FileDialogRequest> saveRequests;

    std::optional<QString> open(const FileDialogRequest &request) override
    {
        openRequests.push_back(request);
        return next(openAnswers);
    }
    std::optional<QString> save(const FileDialogRequest &request) override
    {
        saveRequests.push_back(request);
        return next(saveAnswers);
    }

private:
    static std::optional<QString> next(std::deque<std::optional<QString>> &answers)
    {
        if (answers.empty())
            return std::nullopt;
        const std::optional<QString> a = answers.front();
        answers.pop_front();
        return a;
    }
};

class FakePrinterDialogs final : public PrinterDialogs {
public:
    bool setupAnswer = false;
    bool printAnswer = false;
    int setupCalls = 0;
    int printCalls = 0;
    bool setup() override
    {
        ++setupCalls;
        return setupAnswer;
    }
    bool print() override
    {
        ++printCalls;
        return printAnswer;
    }
};

class FakeHelpViewer final : public HelpViewer {
public:
    enum class Kind { Contents, Search, HelpOnHelp, Context };
    struct Call {
        Kind kind;
        QString helpFile;
        QString key;
        int context = 0;
    };
    std::vector<Call> calls;
    void contents(const QString &helpFile) override { calls.push_back({Kind::Contents, helpFile, {}, 0}); }
    void search(const QString &helpFile, const QString &key) override { calls.push_back({Kind::Search, helpFile, key, 0}); }
    void helpOnHelp(const QString &helpFile) override { calls.push_back({Kind::HelpOnHelp, helpFile, {}, 0}); }
    void context(const QString &helpFile, int context) override
    {
        calls.push_back({Kind::Context, helpFile, {}, context});
    }
};

class FakeFontDialog final : public FontDialog {
public:
    std::optional<FontChoice> answer; // nothing: "Annuler"
    std::vector<FontChoice> shown;    // the font each dialog opened on
    std::optional<FontChoice> choose(const FontChoice &current) override
    {
        shown.push_back(current);
        return answer;
    }
};

struct FakePlatform {
    FakeMessages messages;
    FakeClock clock;
    FakeFileSystem files;
    FakeFiscalYearDialog fiscalYear;
    FakeFileDialogs fileDialogs;
    FakePrinterDialogs printerDialogs;
    FakeHelpViewer help;
    FakeFontDialog fontDialog;
    Platform platform{&messages, &clock, &files, &fiscalYear, &fileDialogs, &printerDialogs, &help, &fontDialog};
};
