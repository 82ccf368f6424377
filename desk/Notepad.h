#pragma once

#include <QString>
#include <QStringList>

// The notepad's one page of notes, kept in "Tavelin.nte" in the start-up
// folder: one line of the page per line of the file. The file is optional.
namespace notepad {

inline const QString kFileName = QStringLiteral("Tavelin.nte");

// The notes file of a start-up folder, with one separator between the folder
// and the name whatever the folder (the root included).
QString path(const QString &startFolder);

// The page's lines, empty lines kept; an empty page has none.
QStringList lines(const QString &text);

// Reads the notes into `text`: a missing file gives an empty page. Gives back
// the user's message when the file exists but cannot be read.
QString Charge(const QString &path, QString &text);

// Writes the page to the notes file; the user's message when it failed.
QString Sauve(const QString &path, const QString &text);

} // namespace notepad
