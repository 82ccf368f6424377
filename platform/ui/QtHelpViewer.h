#pragma once

#include "platform/HelpViewer.h"

#include <memory>

class HelpWindow;
class Messages;

// Shows the help that the program ships for a help file: the book of
// "Tavelin.hlp", wherever that file is named, is the resource folder
// ":/help/tavelin". One help window serves the whole run.
class QtHelpViewer final : public HelpViewer {
public:
    explicit QtHelpViewer(Messages &messages);
    ~QtHelpViewer() override;
    void contents(const QString &helpFile) override;
    void search(const QString &helpFile, const QString &key) override;
    void helpOnHelp(const QString &helpFile) override;
    void context(const QString &helpFile, int context) override;

    // The window of the last help shown, if any.
    HelpWindow *window() const { return window_.get(); }
    // The folder of the help book of a help file.
    static QString bookFolder(const QString &helpFile);

private:
    // The window of the help file's book, made when needed; nullptr (the user
    // told why) when the program ships no such book.
    HelpWindow *open(const QString &helpFile);

    Messages &messages_;
    std::unique_ptr<HelpWindow> window_;
    QString folder_;
};
