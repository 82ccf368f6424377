#include "ledger/MonthIO.h"
#include "ledger/MonthLines.h"

#include "ledger/Codec1252.h"
#include "ledger/TextForms.h"
#include "support/LineLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A grid row as its eight cells joined by "|", then its lettering after one
// more "|" when it has one.
std::string rowOf(const TextGrid &grid, int r)
{
    std::string text;
    for (int c = 0; c < monthlines::kEntryColumnCount; ++c)
        text += (c ? "|" : "") + cp1252::encode(grid.at(r, c));
    const QString &lettering = grid.at(r, monthlines::gridColumn(monthlines::Column::Lettering));
    return lettering.isEmpty() ? text : text + "|" + cp1252::encode(lettering);
}

// The eight lines the write-back gives an entry.
std::vector<std::string> written(const std::string &key, const std::vector<std::string> &cells)
{
    std::vector<std::string> lines;
    for (std::size_t c = 0; c < 8; ++c)
        lines.push_back(key + char('0' + c) + (c < cells.size() ? cells[c] : std::string()));
    return lines;
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string> &b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::string kAmount = cp1252::encode(forms::Rset(QStringLiteral("12,50")));

} // namespace

// Lines in, grid out, lines back: the month read into the grid, the grid
// written back in place of the month.
TEST(MonthIO, AMonthGoesIntoTheGridAndBackIntoTheLines)
{
    const std::string long300(300, 'x');
    const struct {
        const char *guards;
        std::vector<std::string> lines;
        std::vector<std::string> rows;
        std::vector<std::string> back;
    } cases[] = {
        {"a month in two blocks is one grid, written back after the other months",
         {"200203001/03/2002", "2002031411000", "2002035   12,50", "200204001/04/2002", "200203002/03/2002", "2002032Deux"},
         {"01/03/2002|411000||||" + kAmount + "||", "02/03/2002||Deux|||||"},
         std::vector<std::string>{"200204001/04/2002"} + written("200203", {"01/03/2002", "411000", "", "", "", kAmount})
             + written("200203", {"02/03/2002", "", "Deux"})},
        {"a line before the first date line is the first row's",
         {"2002032Avant", "200203001/03/2002"},
         {"01/03/2002||Avant|||||"},
         written("200203", {"01/03/2002", "", "Avant"})},
        {"a cell keeps 254 characters and goes back cut",
         {"200203001/03/2002", "2002032" + long300},
         {"01/03/2002||" + std::string(254, 'x') + "|||||"},
         written("200203", {"01/03/2002", "", std::string(254, 'x')})},
        {"lines no grid reads are left out; the write-back drops those of a digit with the month, and keeps a "
         "line of the key and no digit, which is no month line (a header line \"200203\" stays a header line)",
         {"200203001/03/2002", "2002039Neuf", "200203X", "2002037\xD7"},
         {"01/03/2002|||||||\xD7"},
         std::vector<std::string>{"200203X"} + written("200203", {"01/03/2002", "", "", "", "", "", "", "\xD7"})},
        {"the lettering is read into its column and goes back after the eight lines; an empty one writes none",
         {"200203001/03/2002", "2002038AB 14/03/2002", "200203002/03/2002", "2002038"},
         {"01/03/2002|||||||" "|AB 14/03/2002", "02/03/2002|||||||"},
         written("200203", {"01/03/2002"}) + std::vector<std::string>{"2002038AB 14/03/2002"}
             + written("200203", {"02/03/2002"})},
        {"an entry without a date still counts as a row, and so does every row before the last",
         {"200203001/03/2002", "2002030", "2002032Sans date"},
         {"01/03/2002|||||||", "||Sans date|||||"},
         written("200203", {"01/03/2002"}) + written("200203", {"", "", "Sans date"})},
    };
    for (const auto &c : cases) {
        LineList lines = lineListOf(c.lines);
        TextGrid grid(32, monthlines::kColumnCount);
        monthio::read(lines, "200203", grid);
        const int rows = monthio::countRows(grid);
        std::vector<std::string> shown;
        for (int r = 0; r < rows; ++r)
            shown.push_back(rowOf(grid, r));
        EXPECT_EQ(shown, c.rows) << c.guards;
        monthio::write(lines, "200203", grid, rows);
        EXPECT_EQ(textsOf(lines), c.back) << c.guards;
    }
}

TEST(MonthIO, TheGridIsEmptiedFirstAndGrowsByTenRows)
{
    std::vector<std::string> lines;
    for (int i = 0; i < 40; ++i)
        lines.push_back("200203001/03/2002");
    TextGrid grid(32, monthlines::kColumnCount);
    monthio::read(lineListOf(lines), "200203", grid);
    EXPECT_EQ(grid.rowCount(), 42);
    EXPECT_EQ(monthio::countRows(grid), 40);
    monthio::read(lineListOf({"200203002/03/2002"}), "200203", grid);
    EXPECT_EQ(grid.rowCount(), 42);
    EXPECT_EQ(monthio::countRows(grid), 1);
}
