#include "printing/Listing.h"

#include "ledger/AmountTotal.h"
#include "ledger/TextForms.h"
#include "ledger/TextGrid.h"
#include "platform/Printer.h"
#include "printing/MillimetrePage.h"
#include "printing/PrintJob.h"

#include <algorithm>

namespace printing {

namespace {

constexpr int firstLine = 15;
constexpr int lineStep = 5;
constexpr int ruleEnd = 190;

// A row of which every printed cell is empty or blanks. A row that holds
// anything at all is printed: an entry without a date, or an account keyed
// shorter than six characters, is no end of the listing.
bool blank(const TextGrid &grid, int row, const Listing &listing)
{
    for (const ListingColumn &column : listing.columns)
        if (!grid.at(row, column.gridColumn).trimmed().isEmpty())
            return false;
    return true;
}

void printHeader(Printer &printer, const MillimetrePage &page, const Listing &listing)
{
    printer.setBold(true);
    printer.setFontSize(10);
    page.text(0, 0, listing.title);
    printer.setFontSize(8);
    for (const ListingColumn &column : listing.columns) {
        if (column.amount)
            page.rightCell(column.x, 7, column.width, column.title);
        else
            page.cell(column.x, 7, column.width, column.title);
    }
    // The rows are written in the regular face of the column titles.
    printer.setBold(false);
    page.horizontalLine(12, 0, ruleEnd);
}

} // namespace

bool printListing(Printer &printer, const TextGrid &grid, const Listing &listing)
{
    const PrintJob job(printer);
    if (!job.started())
        return false;
    const MillimetrePage &page = job.page();
    printHeader(printer, page, listing);

    int line = firstLine;
    const auto nextPage = [&] {
        printer.newPage();
        printHeader(printer, page, listing);
        line = firstLine;
    };
    // What would end below the printable area goes on the next page; a page
    // always takes its first row, however small it is.
    const auto keepOnPaper = [&](int lastLine) {
        if (line > firstLine && !page.fits(lastLine))
            nextPage();
    };
    std::vector<AmountTotal> sums(listing.columns.size());
    const int endRow = std::min(listing.endRow, grid.rowCount());
    for (int row = listing.firstRow; row < endRow; ++row) {
        if (listing.endsAtBlankRow && blank(grid, row, listing))
            break;
        keepOnPaper(line);
        const bool summed = std::find(listing.subtotalRows.begin(), listing.subtotalRows.end(), row) ==
                            listing.subtotalRows.end();
        for (std::size_t i = 0; i < listing.columns.size(); ++i) {
            const ListingColumn &column = listing.columns[i];
            const QString &cell = grid.at(row, column.gridColumn);
            if (!column.amount) {
                page.cell(column.x, line, column.width, cell);
                continue;
            }
            const QString amount = cell.trimmed();
            if (const std::optional<Cents> value = forms::parseAmount(QStringView(amount)); value && summed)
                sums[i].add(*value);
            page.rightCell(column.x, line, column.width, amount);
        }
        line += lineStep;
        if (line > page.heightMm())
            nextPage();
    }

    if (!listing.totals)
        return true;
    // The rule and the totals follow the last row, 5 and 10 mm under it; they
    // take a page of their own when the rows filled one.
    keepOnPaper(line + lineStep);
    page.horizontalLine(line, 0, ruleEnd);
    line += lineStep;
    for (std::size_t i = 0; i < listing.columns.size(); ++i)
        if (listing.columns[i].amount)
            page.rightCell(listing.columns[i].x, line, listing.columns[i].width, sums[i].text());
    return true;
}

} // namespace printing
