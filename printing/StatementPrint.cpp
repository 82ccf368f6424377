#include "printing/StatementPrint.h"

#include "ledger/TextForms.h"
#include "platform/Printer.h"
#include "printing/MillimetrePage.h"
#include "printing/PrintJob.h"
#include "reports/IncomeStatement.h"
#include "reports/ViewPages.h"

#include <algorithm>

namespace printing {

namespace {

// Frame edges in millimetres: captions of one side, their amounts, captions
// of the other side, their amounts.
constexpr int left = 20;
constexpr int firstAmounts = 80;
constexpr int secondSide = 105;
constexpr int right = 190;
constexpr int top = 40;
constexpr int captionLine = 50;
constexpr int rowStep = 5;
constexpr int incomeStatementRows = 16;
constexpr int balanceSheetRows = 19;
constexpr int balanceSheetGapRow = 21;

int lineOf(int row)
{
    return captionLine + rowStep * row;
}

// The right edge of a frame's column.
int rightOf(const std::vector<StatementColumn> &columns, std::size_t column)
{
    return column + 1 < columns.size() ? columns[column + 1].left : right;
}

// Rows 1 to lastRow of a statement's grid, each at its line in the frame, a
// grid column in each column of the frame.
void printRows(Printer &printer, const MillimetrePage &page, const StatementFrame &frame, const TextGrid &grid,
               int lastRow)
{
    const std::vector<StatementColumn> &columns = frame.columns;
    printer.setFontSize(frame.rowPoints);
    lastRow = std::min(lastRow, grid.rowCount() - 1);
    const int shown = std::min(int(columns.size()), grid.colCount());
    for (int row = 1; row <= lastRow; ++row) {
        const int line = lineOf(row);
        // Each cell stays inside its box of the frame.
        for (int column = 0; column < shown; ++column) {
            const StatementColumn &box = columns[std::size_t(column)];
            const int end = rightOf(columns, std::size_t(column));
            if (box.amounts)
                page.rightCell(end - 2, line, end - 2 - box.left, grid.at(row, column).trimmed());
            else
                page.cell(box.left + 2, line, end - box.left - 2, grid.at(row, column));
        }
    }
}

// A text under the frame, cut between words into as many lines as the
// frame's width takes.
void printNote(Printer &printer, const MillimetrePage &page, int line, const QString &note)
{
    const int width = page.Mh(right - 2) - page.Mh(left + 2);
    QString current;
    for (const QString &word : note.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = current.isEmpty() ? word : current + u' ' + word;
        if (!current.isEmpty() && printer.textWidth(longer) > width) {
            page.text(left + 2, line, current);
            line += rowStep;
            current = word;
        } else {
            current = longer;
        }
    }
    page.text(left + 2, line, current);
}

} // namespace

void Dessin1(Printer &printer, const MillimetrePage &page, const StatementFrame &frame, QDate from, QDate to)
{
    printer.setPenWidth(2);
    page.frame(left, top, right, frame.bottom);
    page.horizontalLine(captionLine, left, right);
    for (std::size_t column = 1; column < frame.columns.size(); ++column)
        page.verticalLine(frame.columns[column].left, top, frame.bottom);
    for (int rule : frame.rules)
        page.horizontalLine(rule, left, right);

    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(12);
    printer.setBold(true);
    page.text(22, 22, frame.title);
    if (from.isNull()) {
        page.text(52, 22, forms::formatDate(to));
    } else {
        page.text(52, 22, forms::formatDate(from));
        page.text(82, 22, QStringLiteral("au"));
        page.text(92, 22, forms::formatDate(to));
    }

    printer.setFontSize(frame.captionPoints);
    for (std::size_t i = 0; i < std::min(frame.captions.size(), frame.columns.size()); ++i) {
        const int at = frame.columns[i].left;
        page.cell(at + 2, 42, rightOf(frame.columns, i) - at - 2, frame.captions[i]);
    }
    printer.setBold(false);
}

bool ImpResultat(Printer &printer, const PeriodPage &incomeStatement)
{
    const PrintJob job(printer);
    if (!job.started())
        return false;
    // Rows 1-10 (the headings), 11-14 (totals and result), 15-16 (grand totals).
    const StatementFrame frame{QStringLiteral("Résultat du"),
                               {QStringLiteral("CHARGES (HORS TAXES)"), QStringLiteral("ACTIF"),
                                QStringLiteral("PRODUITS (HORS TAXES)"), QStringLiteral("PASSIF")},
                               140,
                               {105, 125}};
    Dessin1(printer, job.page(), frame, incomeStatement.from, incomeStatement.to);
    printRows(printer, job.page(), frame, incomeStatement.grid, incomeStatementRows);
    // Under the frame, the results by nature: a caption and its amount each.
    const TextGrid &grid = incomeStatement.grid;
    for (int row = reports::kFirstNatureRow; row <= std::min(reports::kLastNatureRow, grid.rowCount() - 1); ++row) {
        const int line = frame.bottom + rowStep * (row - reports::kFirstNatureRow + 1);
        job.page().cell(left + 2, line, firstAmounts - left - 2, grid.at(row, 0));
        job.page().rightCell(secondSide - 2, line, secondSide - 2 - firstAmounts, grid.at(row, 1).trimmed());
    }
    return true;
}

bool printBalanceSheet(Printer &printer, const BalanceSheetPage &balanceSheet)
{
    const PrintJob job(printer);
    if (!job.started())
        return false;
    const TextGrid &grid = balanceSheet.grid;
    const bool gap = grid.rowCount() > balanceSheetGapRow && !grid.at(balanceSheetGapRow, 0).isEmpty();
    const int lastRow = gap ? balanceSheetGapRow : balanceSheetRows;
    // Rows 1-17 (the two sides), 18-19 (grand totals), 20-21 (the gap).
    std::vector<int> rules{lineOf(18)};
    if (gap)
        rules.push_back(lineOf(20));
    // Six columns in the width of four: smaller captions, the write-downs'
    // shortened.
    const StatementFrame frame{QStringLiteral("Bilan au"),
                               {grid.at(0, 0), grid.at(0, 1), QStringLiteral("Amort."), grid.at(0, 3), grid.at(0, 4),
                                grid.at(0, 5)},
                               lineOf(lastRow + 1),
                               rules,
                               {{left, false}, {62, true}, {79, true}, {98, true}, {115, false}, {173, true}},
                               7,
                               8};
    Dessin1(printer, job.page(), frame, QDate(), balanceSheet.to);
    printRows(printer, job.page(), frame, grid, lastRow);
    printNote(printer, job.page(), lineOf(lastRow + 2), balanceSheet.unassigned);
    return true;
}

} // namespace printing
