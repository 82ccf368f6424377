#include "ledger/MonthLines.h"
#include "support/LineLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace monthlines;

namespace {

// An entry as its eight cells joined by "|", after a "?" when no date line
// opened it, then its lettering after one more "|" when it has one.
std::string shown(const Entry &entry)
{
    std::string text = entry.dated() ? "" : "?";
    for (int c = 0; c < kEntryColumnCount; ++c)
        text += (c ? "|" : "") + std::string(entry[static_cast<Column>(c)]);
    return entry.has(Column::Lettering) ? text + "|" + std::string(entry[Column::Lettering]) : text;
}

} // namespace

TEST(MonthLines, ALineIsAKeyADigitAndACell)
{
    const std::string long300(300, 'x');
    const struct {
        const char *guards;
        std::string line;
        Cells cells;
        int digit; // -1: not an entry line
        std::string cell;
    } cases[] = {
        {"a cell after the key and the digit", "2002032Loyer", Cells::Whole, 2, "Loyer"},
        {"seven characters are an empty cell", "2002035", Cells::Whole, 5, ""},
        {"the digit 9 is read, and names no column", "2002039x", Cells::Whole, 9, "x"},
        {"the digit 8 is the lettering's column", "2002038AB 14/03/2002", Cells::Whole, 8, "AB 14/03/2002"},
        {"no digit after six characters", "200203X1,00", Cells::Whole, -1, ""},
        {"six characters hold no digit", "200203", Cells::Whole, -1, ""},
        {"the key is each reader's to check", "ABCDEF1411000", Cells::Whole, 1, "411000"},
        {"Cut keeps the format's 254 characters", "2002032" + long300, Cells::Cut, 2, std::string(254, 'x')},
        {"Whole keeps the cell as stored", "2002032" + long300, Cells::Whole, 2, long300},
    };
    for (const auto &c : cases) {
        const std::optional<MonthLine> line = readLine(c.line, c.cells);
        ASSERT_EQ(line.has_value(), c.digit >= 0) << c.guards;
        if (!line)
            continue;
        EXPECT_EQ(line->key, c.line.substr(0, 6)) << c.guards;
        EXPECT_EQ(line->digit, c.digit) << c.guards;
        EXPECT_EQ(line->cell, c.cell) << c.guards;
        EXPECT_EQ(line->isColumn(), c.digit < kColumnCount) << c.guards;
    }
}

TEST(MonthLines, AMonthIsReadEntryByEntryWithItsOrphansAsAsked)
{
    const struct {
        const char *guards;
        std::vector<std::string> lines;
        std::vector<std::string> firstRow; // Orphans::FirstRow
        std::vector<std::string> skipped;  // Orphans::Skipped
    } cases[] = {
        {"a label before the first date line joins the first row, or is left out",
         {"2002032Avant", "200203001/03", "2002031411000", "200203002/03"},
         {"01/03|411000|Avant|||||", "02/03|||||||"},
         {"01/03|411000||||||", "02/03|||||||"}},
        {"a month of orphans alone is one row without a date, or nothing",
         {"2002035  1,00"},
         {"?|||||  1,00||"},
         {}},
        {"other months' lines between are passed over; the last line of a column counts",
         {"200203001/03", "200204001/04", "2002032A", "2002042B", "2002032C"},
         {"01/03||C|||||"},
         {"01/03||C|||||"}},
        {"lines without a column digit and the digit 9 are no cells; the digit 8 is the lettering",
         {"200203001/03", "200203X", "2002038Huit", "2002039Neuf", "200203", "2002037\xD7"},
         {"01/03|||||||\xD7|Huit"},
         {"01/03|||||||\xD7|Huit"}},
    };
    for (const auto &c : cases) {
        const LineList lines = lineListOf(c.lines);
        for (const Orphans orphans : {Orphans::FirstRow, Orphans::Skipped}) {
            std::vector<std::string> entries;
            forEachEntryOfMonth(lines, "200203", orphans, Cells::Whole,
                                [&](const Entry &entry) { entries.push_back(shown(entry)); });
            EXPECT_EQ(entries, orphans == Orphans::FirstRow ? c.firstRow : c.skipped) << c.guards;
        }
    }
}

TEST(MonthLines, TheStatementsReadEveryEntryInTheRunAfterItsDateLine)
{
    const struct {
        const char *guards;
        std::vector<std::string> lines;
        std::vector<std::string> entries;
    } cases[] = {
        {"another month's date line ends the entry: its month's later lines count nowhere",
         {"200203001/03", "2002031411000", "200204001/04", "2002031999000", "2002041512000", "2002045  5,00"},
         {"01/03|411000||||||", "01/04|512000||||  5,00||"}},
        {"lines before any date line, the header among them, belong to no entry",
         {"<HEAD>", "01/01/2002", "</HEAD>", "2002031411000", "200203001/03"},
         {"01/03|||||||"}},
        {"a date line whose key is not six digits opens nothing",
         {"200203001/03", "20020A002/03", "2002032Suite"},
         {"01/03||Suite|||||"}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> entries;
        forEachEntry(lineListOf(c.lines), Cells::Whole, [&](const Entry &entry) { entries.push_back(shown(entry)); });
        EXPECT_EQ(entries, c.entries) << c.guards;
    }
}

TEST(MonthLines, AnEntryKnowsWhereEachCellComesFrom)
{
    const LineList lines = lineListOf({"2002035  1,00", "200204001/04", "200203001/03", "2002031411000"});
    std::vector<Entry> entries;
    forEachEntryOfMonth(lines, "200203", Orphans::FirstRow, Cells::Cut, [&](const Entry &e) { entries.push_back(e); });
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].key(), "200203");
    EXPECT_EQ(entries[0].lineOf(Column::Debit), 0u);
    EXPECT_EQ(entries[0].lineOf(Column::Date), 2u);
    EXPECT_EQ(entries[0].lineOf(Column::Account), 3u);
    EXPECT_EQ(entries[0].lineOf(Column::Credit), npos);
}
