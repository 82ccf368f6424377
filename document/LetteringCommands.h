#pragma once

#include "lettering/AgedBalance.h"
#include "lettering/Lettering.h"

#include <QDate>
#include <QString>
#include <vector>

class Fiche;

// The lettering of the document's accounts and the aged balance. Each
// command writes the month on screen back first, works on the line list, and
// reads the month again when it changed the lines, so that the grid on screen
// and the file saved next agree.
namespace document {

// The lines of the accounts beginning with `prefix`, as the lettering reads them.
std::vector<lettering::Line> letteringLines(Fiche &fiche, const QString &prefix);

// The automatic lettering's proposal for the accounts beginning with `prefix`.
lettering::Proposal automaticLettering(Fiche &fiche, const QString &prefix);

// Letters the groups: the lines must be those the groups were made from,
// read by letteringLines from the lines as they still stand.
void applyLettering(Fiche &fiche, const std::vector<lettering::Line> &lines, const std::vector<lettering::Group> &groups);

// Letters the chosen lines together (indexes in `lines`, read by
// letteringLines): the refusal told to the user, empty when done.
QString letterLines(Fiche &fiche, const std::vector<lettering::Line> &lines, const std::vector<std::size_t> &chosen);

// Takes the code off the group of the line; nothing when it is not lettered.
void unletterLine(Fiche &fiche, const std::vector<lettering::Line> &lines, std::size_t line);

lettering::AgedBalance agedBalance(Fiche &fiche, QDate at, const QString &prefix);

// Prints the aged balance after the print dialog; false when the printer
// refused it (the user is told) or the dialog was cancelled.
bool printAgedBalance(Fiche &fiche, const lettering::AgedBalance &balance, QDate at);

// The prefix the aged balance starts from: the customers'.
inline QString defaultAgedPrefix()
{
    return QStringLiteral("411");
}

} // namespace document
