#include "FakePlatform.h"
#include "LedgerText.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "entry/MonthTotals.h"
#include "yearend/Closing.h"

#include <gtest/gtest.h>

// Amounts of 15 integer digits are read; their sums soon go past that. Such a
// total cannot be computed: every statement says so and shows no figure,
// rather than a sum that overflowed or one the reader would refuse later.

namespace {

const std::string kLargest = "999999999999999,99";
const QString kTooLarge = QStringLiteral("Un total dépasse 999999999999999,99 : il ne peut pas être calculé.");

struct TotalRangeTest : ::testing::Test {
    FakePlatform fake;
    Fiche fiche{fake.platform};

    // Two entries of the largest amount on one account, in March 2002.
    void SetUp() override
    {
        fiche.ledger.Lignes = linesOf(kHeader2002 +
                               entriesText("200203", {{"05/03/2002", "706000", "Vente", "VE", "", "", kLargest, ""},
                                                      {"06/03/2002", "706000", "Vente", "VE", "", "", kLargest, ""},
                                                      {"07/03/2002", "411000", "Client", "VE", "", kLargest, "", ""}}));
        fiche.ledger.Annee = 2002;
        fiche.ledger.Mois = 3;
        fiche.LitMois();
        fake.messages.clear(); // the entry page's totals said so already
    }
    bool toldOnce() const { return fake.messages.shown == QStringList{kTooLarge}; }
};

} // namespace

TEST_F(TotalRangeTest, MonthTotalsOfTheEntryPage)
{
    const MonthTotals totals = monthTotals(fiche.ledger.monthGrid);
    EXPECT_EQ(totals.error, kTooLarge);
    EXPECT_TRUE(totals.debit.isEmpty());
    EXPECT_TRUE(totals.credit.isEmpty());
}

TEST_F(TotalRangeTest, MonthViews)
{
    document::Journal(fiche);
    EXPECT_TRUE(toldOnce());
    EXPECT_TRUE(fiche.views.journal.totalCredit.isEmpty());
    EXPECT_TRUE(fiche.views.journal.totalDebit.isEmpty());
    fake.messages.clear();
    document::General(fiche);
    EXPECT_TRUE(toldOnce());
    EXPECT_TRUE(fiche.views.generalJournal.totalCredit.isEmpty());
    // The running sum of 706000 cannot be computed: its cell stays empty.
    EXPECT_TRUE(fiche.views.generalJournal.grid.at(1, 5).trimmed().isEmpty());
}

TEST_F(TotalRangeTest, BalanceOfAccounts)
{
    document::Balance(fiche);
    EXPECT_TRUE(toldOnce());
    const BalancePage &b = fiche.views.balance;
    for (const QString *total : {&b.totalDebit, &b.totalCredit, &b.totalDebitBalances, &b.totalCreditBalances})
        EXPECT_TRUE(total->isEmpty());
}

TEST_F(TotalRangeTest, IncomeStatement)
{
    document::Resultat(fiche);
    EXPECT_TRUE(toldOnce());
    const TextGrid &grid = fiche.views.incomeStatement.grid;
    for (int row = 12; row <= 16; ++row)
        EXPECT_TRUE(grid.at(row, 3).trimmed().isEmpty()) << row;
}

TEST_F(TotalRangeTest, Closing)
{
    const yearend::OpeningEntries entries =
        yearend::openingEntries(fiche.ledger.Lignes, fiche.ledger.fiscalYear, CodeList(CodeList::Kind::Chart));
    EXPECT_EQ(entries.error, kTooLarge);
    EXPECT_TRUE(entries.text.empty());
}

TEST_F(TotalRangeTest, TotalsWithinTheRangeAreComputedAsBefore)
{
    fiche.ledger.Lignes = linesOf(kHeader2002 +
                           entriesText("200203", {{"05/03/2002", "706000", "Vente", "VE", "", "", kLargest, ""},
                                                  {"07/03/2002", "411000", "Client", "VE", "", kLargest, "", ""}}));
    document::Balance(fiche);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fiche.views.balance.totalDebit.trimmed(), QString::fromStdString(kLargest));
    EXPECT_EQ(fiche.views.balance.totalCreditBalances.trimmed(), QString::fromStdString(kLargest));
}
