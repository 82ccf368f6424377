#pragma once

#include <QString>

// The help viewer: opens the help named by a help file at one of its entry
// points. The viewer tells the user itself when the help cannot be found.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void contents(const QString &helpFile) = 0;
    // The search of the help, its field holding `key` (empty: the whole index).
    virtual void search(const QString &helpFile, const QString &key) = 0;
    virtual void helpOnHelp(const QString &helpFile) = 0;
    // The page tied to a help context number (a window or a menu).
    virtual void context(const QString &helpFile, int context) = 0;
};
