#pragma once

#include <QDate>

class Printer;
struct PeriodPage;

namespace printing {

class MillimetrePage;

// The frame of the income statement: its four columns (charge captions and
// amounts, product captions and amounts), the title with the two dates and
// the column captions. Leaves the font regular, the pen two dots wide.
void Dessin1(Printer &printer, const MillimetrePage &page, QDate from, QDate to);

// The income statement page as one framed page: rows 1 to 16 of its grid in
// the frame. False when the printer refused the job.
bool ImpResultat(Printer &printer, const PeriodPage &resultat);

} // namespace printing
