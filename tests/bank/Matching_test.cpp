#include "bank/BookEntries.h"
#include "bank/Matching.h"
#include "ledger/LineList.h"

#include <gtest/gtest.h>

// The matching of a statement's lines with the bank account's entries.

namespace {

using bank::LineStatus;

const QDate kLineDate(2024, 3, 15);

bank::BookEntry bookEntry(int daysFromLine, Cents amount, bool checked = false)
{
    static std::size_t order = 0;
    bank::BookEntry e;
    e.date = kLineDate.addDays(daysFromLine);
    e.amount = amount;
    e.checked = checked;
    e.order = ++order;
    return e;
}

struct MatchCase {
    const char *name;
    std::vector<bank::BookEntry> entries;
    std::vector<Cents> lineAmounts; // lines all dated kLineDate, in this order
    std::vector<LineStatus> statuses;
    std::vector<int> matched; // entry index per line, -1 for none
    // The record says the entries checked off were checked off by a line of
    // this statement of their amount (else by a line of another statement).
    bool checkedOffByTheLine = false;
};

class MatchingRules : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchingRules, PickTheEntryOfEachLine)
{
    bank::Statement statement;
    for (Cents amount : GetParam().lineAmounts)
        statement.lines.push_back({kLineDate, amount, {}, {}});
    std::vector<bank::CheckOff> checkOffs;
    for (const bank::BookEntry &e : GetParam().entries)
        if (e.checked && GetParam().checkedOffByTheLine)
            checkOffs.push_back({{}, e.date, {}, e.amount, bank::lineKey(statement, {kLineDate, e.amount, {}, {}})});
    const bank::Matching m = bank::match(statement, GetParam().entries, checkOffs);
    for (std::size_t i = 0; i < statement.lines.size(); ++i) {
        EXPECT_EQ(m.lines[i].status, GetParam().statuses[i]) << "line " << i;
        EXPECT_EQ(m.lines[i].entry ? int(*m.lines[i].entry) : -1, GetParam().matched[i]) << "line " << i;
    }
}

const LineStatus P = LineStatus::CheckedOff, D = LineStatus::AlreadyCheckedOff, S = LineStatus::ToEnter;

INSTANTIATE_TEST_SUITE_P(
    Matching, MatchingRules,
    testing::Values(
        // Money out is a credit on the account: the amounts must agree in sign too.
        MatchCase{"SignMatters", {bookEntry(0, 5000)}, {-5000}, {S}, {-1}},
        // The window runs from 30 days before to 5 days after the line's date.
        MatchCase{"ThirtyDaysBefore", {bookEntry(-30, -100)}, {-100}, {P}, {0}},
        MatchCase{"ThirtyOneDaysBefore", {bookEntry(-31, -100)}, {-100}, {S}, {-1}},
        MatchCase{"FiveDaysAfter", {bookEntry(5, -100)}, {-100}, {P}, {0}},
        MatchCase{"SixDaysAfter", {bookEntry(6, -100)}, {-100}, {S}, {-1}},
        // Two entries of the same amount: the closest date, then the first in the file.
        MatchCase{"ClosestDate", {bookEntry(-10, -100), bookEntry(2, -100)}, {-100}, {P}, {1}},
        MatchCase{"FirstInFileOnEqualDistance", {bookEntry(3, -100), bookEntry(-3, -100)}, {-100}, {P}, {0}},
        // An bookEntry not yet checked off before a closer one that is.
        MatchCase{"UncheckedFirst", {bookEntry(0, -100, true), bookEntry(-20, -100)}, {-100}, {P}, {1}},
        MatchCase{"AlreadyCheckedOff", {bookEntry(-1, -100, true)}, {-100}, {D}, {0}, true},
        // An bookEntry another statement's line checked off (last month's fee of
        // the same amount) is no match: the line is a new operation.
        MatchCase{"CheckedOffByAnotherLine", {bookEntry(-28, -350, true)}, {-350}, {S}, {-1}},
        // Nothing matched twice: the second line of the amount takes the other
        // bookEntry, the third finds none.
        MatchCase{"NothingTwice", {bookEntry(0, 700), bookEntry(-4, 700)}, {700, 700, 700}, {P, P, S}, {0, 1, -1}}),
    [](const testing::TestParamInfo<MatchCase> &info) { return info.param.name; });

TEST(Matching, LinesAreTakenInDateOrder)
{
    // The later line comes first in the file; the earlier one still gets the
    // bookEntry of its own date.
    bank::Statement statement;
    statement.lines = {{QDate(2024, 3, 20), -100, {}, {}}, {QDate(2024, 3, 2), -100, {}, {}}};
    const std::vector<bank::BookEntry> entries{bookEntry(-13, -100), bookEntry(4, -100)};
    const bank::Matching m = bank::match(statement, entries);
    EXPECT_EQ(m.lines[1].entry, 0u);
    EXPECT_EQ(m.lines[0].entry, 1u);
}

TEST(Matching, EntriesOfTheAccountFromTheLineListWithTheirPlaceAndPeriod)
{
    LineList lines;
    const auto add = [&](const char *key, const char *date, const char *account, const char *debit, const char *credit,
                         const char *mark) {
        for (const std::string &cell : {std::string("0") + date, std::string("1") + account, std::string("2Libellé"),
                                        std::string("3BQ"), std::string("4"), std::string("5") + debit,
                                        std::string("6") + credit, std::string("7") + mark})
            lines.append(std::string(key) + cell);
    };
    add("202402", "20/02/2024", "512000", "", "  60,00", "");   // before the period, open
    add("202403", "02/03/2024", "626000", "  39,99", "", "");   // another account
    add("202403", "04/03/2024", "512000", "", "  39,99", "");   // matched
    add("202403", "09/03/2024", "512000", " 500,00", "", "\xD7"); // checked off before
    add("202403", "28/03/2024", "512000", "", "  80,00", "");   // in the period, not on the statement
    add("202404", "02/04/2024", "512000", "1000,00", "", "");   // after the period

    const std::vector<bank::BookEntry> entries = bank::accountEntries(lines, QStringLiteral("512000"));
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[1].place, (bank::EntryPlace{"202403", 1}));
    EXPECT_EQ(entries[1].amount, -3999);
    EXPECT_TRUE(entries[2].checked);

    bank::Statement statement;
    statement.start = QDate(2024, 3, 1);
    statement.end = QDate(2024, 3, 31);
    statement.lines = {{QDate(2024, 3, 5), -3999, {}, {}}};
    const bank::Matching m = bank::match(statement, entries);
    EXPECT_EQ(m.lines[0].entry, 1u);
    EXPECT_EQ(m.notOnStatement, std::vector<std::size_t>{3});
    EXPECT_EQ(m.olderOpen, std::vector<std::size_t>{0});
    EXPECT_EQ(m.bookBalance.value(), -6000 - 3999 + 50000 - 8000);
}

} // namespace
