#include "printing/IncomeStatementPrint.h"

#include "ledger/TextForms.h"
#include "platform/Printer.h"
#include "printing/MillimetrePage.h"
#include "printing/PrintJob.h"
#include "reports/ViewPages.h"

#include <algorithm>

namespace printing {

namespace {

// Frame edges in millimetres: captions of charges, their amounts, captions of
// products, their amounts.
constexpr int left = 20;
constexpr int chargeAmounts = 80;
constexpr int products = 105;
constexpr int productAmounts = 165;
constexpr int right = 190;
constexpr int top = 40;
constexpr int bottom = 140;
constexpr int statementRows = 16;

} // namespace

void Dessin1(Printer &printer, const MillimetrePage &page, QDate from, QDate to)
{
    printer.setPenWidth(2);
    page.frame(left, top, right, bottom);
    page.horizontalLine(50, left, right);
    page.verticalLine(products, top, bottom);
    page.verticalLine(chargeAmounts, top, bottom);
    page.verticalLine(productAmounts, top, bottom);
    // Rows 1-10 (the headings), 11-14 (totals and result), 15-16 (grand totals).
    page.horizontalLine(105, left, right);
    page.horizontalLine(125, left, right);

    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(12);
    printer.setBold(true);
    page.text(22, 22, QStringLiteral("Résultat du"));
    page.text(52, 22, forms::formatDate(from));
    page.text(82, 22, QStringLiteral("au"));
    page.text(92, 22, forms::formatDate(to));

    printer.setFontSize(10);
    page.text(22, 42, QStringLiteral("CHARGES (HORS TAXES)"));
    page.text(82, 42, QStringLiteral("ACTIF"));
    page.text(107, 42, QStringLiteral("PRODUITS (HORS TAXES)"));
    page.text(167, 42, QStringLiteral("PASSIF"));
    printer.setBold(false);
}

bool ImpResultat(Printer &printer, const PeriodPage &resultat)
{
    const PrintJob job(printer);
    if (!job.started())
        return false;
    const MillimetrePage &page = job.page();
    Dessin1(printer, page, resultat.from, resultat.to);

    printer.setFontSize(9);
    const TextGrid &grid = resultat.grid;
    const int lastRow = std::min(statementRows, grid.rowCount() - 1);
    for (int row = 1; row <= lastRow; ++row) {
        const int line = 50 + 5 * row;
        // Each cell stays inside its box of the frame.
        page.cell(22, line, chargeAmounts - 22, grid.at(row, 0));
        page.rightCell(103, line, 103 - chargeAmounts, grid.at(row, 1).trimmed());
        page.cell(107, line, productAmounts - 107, grid.at(row, 2));
        page.rightCell(188, line, 188 - productAmounts, grid.at(row, 3).trimmed());
    }
    return true;
}

} // namespace printing
