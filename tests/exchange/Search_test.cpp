#include "exchange/EntrySearch.h"
#include "exchange/MonthSearch.h"
#include "exchange/SearchText.h"
#include "LedgerText.h"

#include "ledger/MonthLines.h"
#include "ledger/MonthIO.h"

#include <gtest/gtest.h>

namespace {

bool finds(const char *text, const std::string &line)
{
    return exchange::SearchText(QString::fromUtf8(text)).foundIn(line);
}

std::vector<std::size_t> walk(exchange::EntrySearch &search, const LineList &lines)
{
    std::vector<std::size_t> found;
    while (const auto i = search.next(lines))
        found.push_back(*i);
    return found;
}

} // namespace

TEST(SearchText, CaseRules)
{
    struct Case {
        const char *text;
        std::string line; // code page 1252
        bool found;
    };
    const Case cases[] = {
        {"loyer", "2002032LOYER mars", true},
        {"loyer", "2002032Loyer mars", true},
        {"LOYER", "2002032loyer mars", true},
        {"é", "2002032\xC9T\xC9", true},          // É
        {"É", "2002032\xE9t\xE9", true},          // é
        {"Œuvre", "2002032\x9Cuvre", true},       // œ
        {"ÿ", "2002032\x9F", true},               // Ÿ
        {"ß", "2002032SS", false},                // no upper case of its own
        {"e", "2002032\xC9", false},              // accents still count
        {"12.50", "2002035     12,50", false},    // amounts use the comma
        {"12,50", "2002035     12,50", true},
        {"2002", "01/01/2002", true},             // header lines take part
        {"2032", "2002032x", true},               // so do keys and column digits
        {"Ω", "2002032?", false},                 // the ledger cannot hold it
        {"", "2002032x", false},
        {"long text", "2002032long", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(finds(c.text, c.line), c.found) << c.text << " in " << c.line;
}

TEST(SearchText, FindsInDecodedCells)
{
    const exchange::SearchText text(QStringLiteral("café"));
    EXPECT_TRUE(text.foundIn(QStringLiteral("CAFÉ du coin")));
    EXPECT_FALSE(text.foundIn(QStringLiteral("cafe")));
}

TEST(EntrySearch, VisitsEveryMatchingLineOnceThenFindsNothing)
{
    const LineList lines = linesOf(kHeader2002 +
                                   entriesText("200203", {{"05/03/2002", "613000", "Loyer mars", "BQ", "", "1,00", "", ""},
                                                          {"06/03/2002", "512000", "Banque", "BQ", "", "", "1,00", ""}}) +
                                   entriesText("200204", {{"05/04/2002", "613000", "LOYER avril", "BQ", "", "1,00", "", ""}}));
    exchange::EntrySearch search;
    search.start(QStringLiteral("loyer"));
    EXPECT_EQ(walk(search, lines), (std::vector<std::size_t>{7, 23}));
    EXPECT_FALSE(search.next(lines));
    search.start(QStringLiteral("loyer"));
    EXPECT_EQ(search.next(lines), 7u);
}

TEST(EntrySearch, AnEmptyTextFindsNothing)
{
    const LineList lines = linesOf(kHeader2002);
    exchange::EntrySearch search;
    EXPECT_FALSE(search.next(lines));
    search.start(QString());
    EXPECT_TRUE(search.empty());
    EXPECT_FALSE(search.next(lines));
}

TEST(EntrySearch, KeepsItsPlaceWhenTheMonthOnScreenIsWrittenBack)
{
    // March stands first; the search found its entry, the user changed March,
    // and the write-back moves March to the end before the search goes on.
    LineList lines = linesOf(kHeader2002 +
                             entriesText("200203", {{"05/03/2002", "613000", "Loyer mars", "", "", "1,00", "", ""}}) +
                             entriesText("200204", {{"05/04/2002", "613000", "Loyer avril", "", "", "1,00", "", ""}}));
    exchange::EntrySearch search;
    search.start(QStringLiteral("loyer"));
    ASSERT_EQ(search.next(lines), 7u);

    TextGrid march(32, monthlines::kColumnCount);
    monthio::read(lines, "200203", march);
    march.set(0, 2, QStringLiteral("Loyer de mars"));
    monthio::write(lines, "200203", march, 1);

    const auto next = search.next(lines, "200203");
    ASSERT_TRUE(next);
    EXPECT_EQ(lines[*next], "2002042Loyer avril");
}

// The file stores May, June, January, then March; each month holds one
// match. The search meets the header first, then the months in calendar
// order, and goes on from the month on screen when the user moved.
TEST(EntrySearch, GoesThroughTheMonthsInCalendarOrderFromTheMonthOnScreen)
{
    const auto month = [](const char *key, const char *date) {
        return entriesText(key, {{date, "613000", "Loyer", "BQ", "", "1,00", "", ""},
                                 {date, "512000", "Banque", "BQ", "", "", "1,00", ""}});
    };
    const LineList lines = linesOf(kHeader2002 + month("200205", "05/05/2002") + month("200206", "05/06/2002") +
                                   month("200201", "05/01/2002") + month("200203", "05/03/2002"));
    struct Case {
        const char *what;
        const char *text;
        std::size_t movedAfter; // matches found before the user shows another month
        const char *shown;
        std::vector<std::string> months; // of the lines found, in turn
    };
    const Case cases[] = {
        {"calendar order", "loyer", 0, "", {"200201", "200203", "200205", "200206"}},
        {"the header first, then each month's date lines", "/2002", 0, "",
         {"", "", "", "200201", "200201", "200203", "200203", "200205", "200205", "200206", "200206"}},
        {"on from a later month on screen", "loyer", 1, "200205", {"200201", "200205", "200206"}},
        {"back to an earlier month on screen", "loyer", 3, "200201",
         {"200201", "200203", "200205", "200201", "200203", "200205", "200206"}},
        {"on from a month without match", "loyer", 1, "200204", {"200201", "200205", "200206"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        exchange::EntrySearch search;
        search.start(QString::fromUtf8(c.text));
        std::vector<std::string> months;
        std::string shown;
        while (const auto found = search.next(lines, shown)) {
            const std::string key = exchange::foundMonth(lines[*found]) ? std::string(lines[*found].substr(0, 6)) : "";
            months.push_back(key);
            // The document shows the month found, or the one the user picks.
            shown = months.size() == c.movedAfter ? c.shown : key.empty() ? shown : key;
            ASSERT_LT(months.size(), 20u);
        }
        EXPECT_EQ(months, c.months);
    }
}

TEST(EntrySearch, TheMonthOfAFoundLine)
{
    EXPECT_EQ(exchange::foundMonth("2002032Loyer"), (forms::YearMonth{2002, 3}));
    EXPECT_EQ(exchange::foundMonth("2001120x"), (forms::YearMonth{2001, 12}));
    EXPECT_FALSE(exchange::foundMonth("01/01/2002"));
    EXPECT_FALSE(exchange::foundMonth("<HEAD>"));
    EXPECT_FALSE(exchange::foundMonth("2002132x"));
    EXPECT_FALSE(exchange::foundMonth("20020"));
}

TEST(MonthSearch, RowsOfEveryMonthInKeyOrder)
{
    const LineList lines = linesOf(kHeader2002 +
                                   entriesText("200304", {{"05/04/2003", "613000", "Loyer hors exercice", "", "", "1,00", "", ""}}) +
                                   entriesText("200203", {{"05/03/2002", "512000", "Banque", "", "", "", "1,00", ""},
                                                          {"06/03/2002", "613000", "loyer", "", "", "   2,00", "", ""}}) +
                                   entriesText("200213", {{"05/13/2002", "613000", "Loyer mois 13", "", "", "1,00", "", ""}}) +
                                   entriesText("200201", {{"05/01/2002", "613000", "LOYER", "", "", "1,00", "", ""}}));
    const auto rows = exchange::rowsHolding(lines, exchange::SearchText(QStringLiteral("Loyer")));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].key, "200201");
    EXPECT_EQ(rows[1].key, "200203");
    EXPECT_EQ(rows[1].row, 1);
    EXPECT_EQ(rows[1].cells.size(), 8);
    EXPECT_EQ(rows[1].cells[5].trimmed(), QStringLiteral("2,00"));
    EXPECT_EQ(rows[2].key, "200304");
}

TEST(MonthSearch, MonthKeysAreSortedAndOnlyRealMonths)
{
    const LineList lines = linesOf(kHeader2002 + "2002120a\r\n2002010b\r\n2002131c\r\n2002121d\r\n20a2010e\r\n");
    EXPECT_EQ(exchange::monthKeys(lines), (std::vector<std::string>{"200201", "200212"}));
}
