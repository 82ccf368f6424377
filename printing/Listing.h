#pragma once

#include <QString>
#include <vector>

class Printer;
class TextGrid;

namespace printing {

// A column of a listing: the grid column it prints, its place and width in
// millimetres and its title. An amount column is written right-aligned at its
// place, which is then its right edge, and summed into the totals under the
// last row. Cells and titles wider than their column are cut (with "…").
struct ListingColumn {
    int gridColumn;
    int x;
    int width;
    QString title;
    bool amount = false;
};

// A paginated listing of a grid's rows: a header on every page (title, column
// titles, rule), one row every 5 mm from 15 mm down, a new page once the line
// position passes the printable height in millimetres, and under the last row
// a rule and the totals of the amount columns (unless it has none).
//
// The line positions lie 5 mm lower on the page than their value: the last
// rows of a page, and the totals under them, can so fall below the printable
// area, which only the short dots per millimetre of most devices make up for.
// Whatever would not be on paper starts the next page instead.
struct Listing {
    QString title;
    std::vector<ListingColumn> columns;
    int firstRow = 0;
    int endRow = 0; // one past the last row printed
    // The rows of a view run down to its first blank row; after it come the
    // emptied rows of a longer month.
    bool endsAtBlankRow = false;
    // Rows printed but left out of the totals: they sum rows above them.
    std::vector<int> subtotalRows = {};
    // A statement whose amounts are its own lines, not items to add up,
    // prints no totals under them.
    bool totals = true;
};

// Prints the listing as one print job. An amount cell that is not a number is
// printed as it stands and adds nothing to the totals. False when the printer
// refused the job or reports no printable area.
bool printListing(Printer &printer, const TextGrid &grid, const Listing &listing);

} // namespace printing
