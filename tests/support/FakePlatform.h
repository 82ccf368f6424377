#pragma once

#include "platform/BusyPointer.h"
#include "platform/Clock.h"
#include "platform/ClockSetter.h"
#include "platform/FileDialogs.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/FontDialog.h"
#include "platform/HelpViewer.h"
#include "platform/Messages.h"
#include "platform/Platform.h"
#include "platform/PrinterDialogs.h"
#include "platform/SearchPrompt.h"
#include "RecordingPrinter.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <ostream>
#include <set>
#include <vector>

// Test doubles of the desktop services: they record what the logic asked and
// answer with what the test queued, never blocking on a window.

class FakeMessages final : public Messages {
public:
    // The three boxes the logic can ask for.
    enum class Box { Information, WarningYesNoCancel, WarningOkCancel, WarningAcceptCancel, WarningChoice };
    struct Shown {
        Box box;
        QString text;
        bool operator==(const Shown &) const = default;
        friend std::ostream &operator<<(std::ostream &out, const Shown &s)
        {
            static const char *const names[] = {"information", "warning Oui/Non/Annuler", "warning OK/Annuler",
                                                "warning with the caller's button and Annuler",
                                                "warning with the caller's two buttons and Annuler"};
            return out << names[int(s.box)] << " \"" << s.text.toStdString() << '"';
        }
    };

    QStringList shown;                 // every text shown, in order
    std::vector<Shown> boxes;          // every box shown, in order, with its kind
    std::deque<Answer> yesNoCancel;    // answers to the next Oui/Non/Annuler boxes
    std::deque<bool> okCancel;         // answers to the next OK/Annuler boxes
    std::deque<bool> acceptCancel;     // answers to the next boxes with the caller's button and Annuler
    QStringList acceptButtons;         // the caller's buttons of those boxes, in order
    std::deque<Choice> choices;        // answers to the next boxes with the caller's two buttons
    QStringList choiceButtons;         // the caller's two buttons of those boxes, in order
    // Runs while each box is up, as a box's own event loop would: a test can
    // take the window's activation away there, as some desktops do.
    std::function<void()> whileShown;

    // What a test expects when the user must have seen one information box.
    static std::vector<Shown> informationBox(const QString &text) { return {{Box::Information, text}}; }

    // Forgets the boxes shown so far.
    void clear()
    {
        shown.clear();
        boxes.clear();
    }

    void information(const QString &text) override { record(Box::Information, text); }
    Answer warningYesNoCancel(const QString &text) override
    {
        record(Box::WarningYesNoCancel, text);
        if (yesNoCancel.empty())
            return Answer::Cancel;
        const Answer a = yesNoCancel.front();
        yesNoCancel.pop_front();
        return a;
    }
    bool warningOkCancel(const QString &text) override
    {
        record(Box::WarningOkCancel, text);
        if (okCancel.empty())
            return false;
        const bool a = okCancel.front();
        okCancel.pop_front();
        return a;
    }

    bool warningAcceptCancel(const QString &text, const QString &acceptButton) override
    {
        record(Box::WarningAcceptCancel, text);
        acceptButtons.append(acceptButton);
        if (acceptCancel.empty())
            return false;
        const bool a = acceptCancel.front();
        acceptCancel.pop_front();
        return a;
    }

    Choice warningChoice(const QString &text, const QString &first, const QString &second) override
    {
        record(Box::WarningChoice, text);
        choiceButtons << first << second;
        if (choices.empty())
            return Choice::Cancel;
        const Choice c = choices.front();
        choices.pop_front();
        return c;
    }

private:
    void record(Box box, const QString &text)
    {
        shown.append(text);
        boxes.push_back({box, text});
        if (whileShown)
            whileShown();
    }
};

class FakeClock final : public Clock {
public:
    QDate date{2002, 3, 15};
    QTime time{10, 30, 0};
    QDate today() const override { return date; }
    QTime now() const override { return time; }
};

// The disk, unless a test lists the paths that exist; then the current
// folder is only recorded, never entered.
class FakeFileSystem final : public FileSystem {
public:
    bool useDisk = true;
    std::set<QString> present;
    QString current; // the current folder when not on the disk
    bool exists(const QString &path) const override
    {
        return useDisk ? DiskFileSystem().exists(path) : present.count(path) > 0;
    }
    QString currentFolder() const override { return useDisk ? DiskFileSystem().currentFolder() : current; }
    bool setCurrentFolder(const QString &path) override
    {
        if (useDisk)
            return DiskFileSystem().setCurrentFolder(path);
        current = path;
        return true;
    }
};

class FakeFiscalYearDialog final : public FiscalYearDialog {
public:
    std::optional<Dates> answer; // nothing: "Annuler"
    int calls = 0;
    QDate shownStart, shownEnd, shownClosing;
    std::optional<Dates> ask(QDate start, QDate end, QDate closing) override
    {
        ++calls;
        shownStart = start;
        shownEnd = end;
        shownClosing = closing;
        return answer;
    }
};

class FakeFileDialogs final : public FileDialogs {
public:
    std::deque<std::optional<QString>> openAnswers; // nothing: "Annuler"
    std::deque<std::optional<QString>> saveAnswers;
    std::deque<std::optional<QString>> folderAnswers;
    std::vector<FileDialogRequest> openRequests;   // every dialog shown, in order
    std::vector<FileDialogRequest> saveRequests;
    QStringList folderStarts;                      // the folder each folder dialog opened on

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
    std::optional<QString> folder(const QString &, const QString &start) override
    {
        folderStarts.append(start);
        return next(folderAnswers);
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

// The preview draws the run on a printer of its own, kept for the test.
class FakePrinterDialogs final : public PrinterDialogs {
public:
    bool setupAnswer = false;
    bool printAnswer = false;
    bool pageSetupAnswer = false;
    int setupCalls = 0;
    int printCalls = 0;
    int pageSetupCalls = 0;
    int previewCalls = 0;
    RecordingPrinter previewed;
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
    bool pageSetup() override
    {
        ++pageSetupCalls;
        return pageSetupAnswer;
    }
    void preview(const std::function<void(Printer &)> &run) override
    {
        ++previewCalls;
        run(previewed);
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

// Counts the hourglass shown; `depth` is above 0 while it is up.
class FakeBusyPointer final : public BusyPointer {
public:
    int depth = 0;
    int shown = 0;
    void begin() override
    {
        ++depth;
        ++shown;
    }
    void end() override { --depth; }
};

class FakeSearchPrompt final : public SearchPrompt {
public:
    std::deque<QString> answers; // an empty text: the prompt was cancelled
    int calls = 0;
    QString ask() override
    {
        ++calls;
        if (answers.empty())
            return {};
        const QString a = answers.front();
        answers.pop_front();
        return a;
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

// The computer's clock, never set: the instants asked for are kept, and the
// system's answers are taken from `refusals` (an empty text: the clock was set).
class FakeClockSetter final : public ClockSetter {
public:
    QTimeZone zone{"Europe/Paris"};
    std::vector<QDateTime> instants;    // every instant the logic asked for, in order
    std::deque<QString> refusals;       // the next answers; none left: the clock is set
    QTimeZone timeZone() const override { return zone; }
    QString set(const QDateTime &instant) override
    {
        instants.push_back(instant);
        if (refusals.empty())
            return {};
        const QString why = refusals.front();
        refusals.pop_front();
        return why;
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
    FakeBusyPointer busy;
    FakeSearchPrompt searchPrompt;
    RecordingPrinter printer;
    FakeFontDialog fontDialog;
    FakeClockSetter clockSetter;
    Platform platform{&messages, &clock, &files, &fiscalYear, &fileDialogs, &printerDialogs,
                      &help, &busy, &searchPrompt, &printer, &fontDialog, &clockSetter};
};
