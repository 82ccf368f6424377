#pragma once

#include <QDate>
#include <QString>
#include <vector>

class Printer;
struct BalanceSheetPage;
struct PeriodPage;

namespace printing {

class MillimetrePage;

// A column of a statement's frame: its left edge in millimetres and whether
// it holds amounts, written against its right edge.
struct StatementColumn {
    int left;
    bool amounts;
};

// The frame of a one-page statement in millimetres: its columns (by default
// captions and amounts of one side, captions and amounts of the other) from
// the top at 40 to `bottom`, the caption row closed by a line at 50, and lines
// across between groups of rows.
struct StatementFrame {
    QString title; // before the dates: "Résultat du", "Bilan au"
    std::vector<QString> captions; // one a column
    int bottom;
    std::vector<int> rules;
    std::vector<StatementColumn> columns = {{20, false}, {80, true}, {105, false}, {165, true}};
    // The sizes of the column captions and of the rows, smaller when the
    // columns are narrow.
    int captionPoints = 10;
    int rowPoints = 9;
};

// Draws the frame, the title with the two dates (with `to` alone when `from`
// is null: a position at a date) and the column captions, each cut to its
// column.
// Leaves the font regular, the pen two dots wide.
void Dessin1(Printer &printer, const MillimetrePage &page, const StatementFrame &frame, QDate from, QDate to);

// The income statement page as one framed page: rows 1 to 16 of its grid in
// the frame. False when the printer refused the job.
bool ImpResultat(Printer &printer, const PeriodPage &incomeStatement);

// The balance sheet page, "Bilan au" its date, in a frame of six columns (the assets' caption,
// gross, write-downs and net, the liabilities' caption and amount): rows 1 to
// 19 of its grid, row 21
// too when it shows the "Écart", and under the frame the line naming the
// accounts that feed no row. False when the printer refused the job.
bool printBalanceSheet(Printer &printer, const BalanceSheetPage &balanceSheet);

} // namespace printing
