#pragma once

#include "wordproc/RtfDocument.h"

#include <QString>
#include <QStringList>

struct Platform;

// What the word processor's file commands need of the text on screen.
class TextContent {
public:
    virtual ~TextContent() = default;
    virtual bool modified() const = 0;
    virtual void setModified(bool modified) = 0;
    virtual rtf::Document document() const = 0;
    virtual void setDocument(const rtf::Document &document) = 0;
    // The format new text is typed in.
    virtual rtf::CharFormat defaultFormat() const = 0;
    // The text as the printer takes it: Qt's rich text, in HTML.
    virtual QString richText() const = 0;
};

// A new letter: the four heading lines as its first four paragraphs, in the
// given format (a missing or empty line gives an empty paragraph).
rtf::Document letterhead(const QStringList &heading, const rtf::CharFormat &format);

// The word processor's commands on its text as a whole: new letter, open,
// save, print and closing, with the current file name and the question about
// unsaved changes.
class TextCommands {
public:
    static inline const QString kFilter = QStringLiteral("Fichiers rtf (*.rtf)|*.rtf");

    TextCommands(const Platform &platform, TextContent &content);

    // The four company heading lines a new letter starts with.
    void Setsoc(const QStringList &heading);
    const QStringList &heading() const { return heading_; }
    const QString &fileName() const { return fileName_; }

    // "Enregistrer changements dans <name> ?", the name without its folder.
    QString changesQuestion() const;
    // After unsaved changes are saved or given up: false when the user
    // cancelled, or chose to save and the save did not happen.
    bool confirmDiscard();

    // True when the letterhead replaced the text.
    bool newLetter();
    void open();
    // Saves through the save dialog when the text has changed. False when it
    // had changed and was not saved.
    bool save();
    // Whether the window may close.
    bool closeQuery() { return confirmDiscard(); }
    // Prints the whole text through the system print dialog.
    void print();

private:
    const Platform &platform_;
    TextContent &content_;
    QStringList heading_;
    QString fileName_;
};
