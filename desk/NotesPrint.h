#pragma once

#include <QString>
#include <QStringList>

class Printer;

namespace notepad {

// Prints the notes at once on the printer as it is set up, in the font of the
// page: each line of the notes is one printed line, top to bottom, and a new
// sheet begins when one is full. A line wider than the sheet goes on over the
// next printed lines, cut between words where it can be, rather than off the
// paper's edge; a tab goes to the next multiple of eight characters. Empty
// notes print nothing. Gives back the user's message when the printer
// refused the job.
QString Imprimer(Printer &printer, const QStringList &lines, const QString &fontName, int points);

// The printed lines of one line of the notes, each at most `width` dots wide
// as the printer measures them (a single character wider than the sheet
// stands alone).
QStringList printedLines(Printer &printer, const QString &line, int width);

} // namespace notepad
