#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/FiscalYearDialog.h"
#include "platform/Messages.h"
#include "platform/Platform.h"

#include <QStringList>
#include <deque>
#include <set>

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

struct FakePlatform {
    FakeMessages messages;
    FakeClock clock;
    FakeFileSystem files;
    FakeFiscalYearDialog fiscalYear;
    Platform platform{&messages, &clock, &files, &fiscalYear};
};
