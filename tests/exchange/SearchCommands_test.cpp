#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "LedgerText.h"

#include "exchange/SearchCommands.h"

#include <gtest/gtest.h>

namespace {

const std::string kYear = kHeader2002 +
                          entriesText("200201", {{"05/01/2002", "613000", "Loyer janvier", "BQ", "", "500,00", "", ""}}) +
                          entriesText("200203", {{"05/03/2002", "512000", "Banque", "BQ", "", "", "500,00", ""},
                                                 {"06/03/2002", "613000", "LOYER mars", "BQ", "", "500,00", "", ""}}) +
                          entriesText("200204", {{"05/04/2002", "613000", "loyer avril", "BQ", "", "500,00", "", ""}});

struct SearchTest : ::testing::Test {
    FakePlatform fake;
    Ledger ledger{fake.platform};
    exchange::EntrySearch search;

    void SetUp() override { openAt(ledger, kYear, 2002, 2); }

    exchange::SearchOutcome searchFor(const QString &text)
    {
        fake.searchPrompt.answers.push_back(text);
        return exchange::Rechercher(ledger, search);
    }
    // Shows the month found, as the document does.
    void show(const exchange::SearchOutcome &outcome)
    {
        ASSERT_TRUE(outcome.month);
        ledger.Annee = quint16(outcome.month->year);
        ledger.Mois = quint16(outcome.month->month);
        ledger.readMonthGrid();
    }
};

using YM = forms::YearMonth;

} // namespace

TEST_F(SearchTest, GivesTheMonthOfEachMatchInTurnThenSaysNothingIsLeft)
{
    EXPECT_EQ(searchFor(QStringLiteral("loyer")).month, (YM{2002, 1}));
    EXPECT_EQ(fake.searchPrompt.calls, 1);
    std::vector<YM> months;
    exchange::SearchOutcome outcome;
    while ((outcome = exchange::RContinuer(ledger, search)).month)
        months.push_back(*outcome.month);
    EXPECT_EQ(months, (std::vector<YM>{{2002, 3}, {2002, 4}}));
    EXPECT_EQ(outcome.message, QStringLiteral("Aucune écriture trouvée"));
    EXPECT_EQ(exchange::RContinuer(ledger, search).message, QStringLiteral("Aucune écriture trouvée"));
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(SearchTest, GivesTheRowOfTheEntryFoundInItsMonth)
{
    // One row in January, the second of March's two, April's only one.
    std::vector<int> rows{searchFor(QStringLiteral("loyer")).row};
    exchange::SearchOutcome outcome;
    while ((outcome = exchange::RContinuer(ledger, search)).month)
        rows.push_back(outcome.row);
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 0}));
    // A line before the month's first date stands in its first row.
    ledger.Lignes.append("2002052avant toute date");
    EXPECT_EQ(searchFor(QStringLiteral("avant toute")).row, 0);
}

TEST_F(SearchTest, ACancelledPromptSearchesNothing)
{
    const exchange::SearchOutcome outcome = searchFor(QString());
    EXPECT_FALSE(outcome.month);
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(exchange::RContinuer(ledger, search).message, QStringLiteral("Aucune écriture trouvée"));
}

TEST_F(SearchTest, AnAmountMustBeWrittenWithTheComma)
{
    EXPECT_EQ(searchFor(QStringLiteral("500.00")).message, QStringLiteral("Aucune écriture trouvée"));
    EXPECT_EQ(searchFor(QStringLiteral("500,00")).month, (YM{2002, 1}));
}

TEST_F(SearchTest, AMatchInTheHeaderGivesNoMonthAndSaysNothing)
{
    const exchange::SearchOutcome outcome = searchFor(QStringLiteral("2002"));
    EXPECT_FALSE(outcome.month);
    EXPECT_TRUE(outcome.message.isEmpty());
    // The two other dates of the header, then the first month.
    EXPECT_FALSE(exchange::RContinuer(ledger, search).month);
    EXPECT_FALSE(exchange::RContinuer(ledger, search).month);
    EXPECT_EQ(exchange::RContinuer(ledger, search).month, (YM{2002, 1}));
}

TEST_F(SearchTest, EntriesKeyedOnScreenAreWrittenBackAndFound)
{
    keyEntry(ledger, {QStringLiteral("07/02/2002"), QStringLiteral("401000"), QStringLiteral("Fournisseur"), {}, {}, {},
                      QStringLiteral("20,00"), {}});
    EXPECT_EQ(searchFor(QStringLiteral("fournisseur")).month, (YM{2002, 2}));
    EXPECT_FALSE(ledger.MoisModifie);
    EXPECT_EQ(fake.busy.shown, 1);
}

TEST_F(SearchTest, ContinuingAfterChangingTheFoundMonthMissesNoMatch)
{
    show(searchFor(QStringLiteral("loyer")));
    ledger.monthGrid.set(0, 2, QStringLiteral("Loyer de janvier"));
    ledger.MoisModifie = true;
    EXPECT_EQ(exchange::RContinuer(ledger, search).month, (YM{2002, 3}));
    EXPECT_EQ(exchange::RContinuer(ledger, search).month, (YM{2002, 4}));
}
