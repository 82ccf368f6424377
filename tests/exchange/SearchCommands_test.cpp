#include "DocumentDouble.h"
#include "FakePlatform.h"
#include "reports/LedgerText.h"

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
    DocumentDouble doc{kYear};
    exchange::EntrySearch search;

    SearchTest()
    {
        doc.busy = &fake.busy;
        doc.mois = 2;
        doc.litMois();
    }
    void rechercher(const QString &text)
    {
        fake.searchPrompt.answers.push_back(text);
        exchange::Rechercher(fake.platform, search, doc.state);
    }
    void continuer() { exchange::RContinuer(fake.platform, search, doc.state); }
    int shownMonth() const { return doc.annee * 100 + doc.mois; }
};

} // namespace

TEST_F(SearchTest, ShowsTheMonthOfEachMatchInTurnThenSaysNothingIsLeft)
{
    rechercher(QStringLiteral("loyer"));
    EXPECT_EQ(fake.searchPrompt.calls, 1);
    EXPECT_EQ(shownMonth(), 200201);
    EXPECT_EQ(doc.rows()[0][2], QStringLiteral("Loyer janvier"));
    continuer();
    EXPECT_EQ(shownMonth(), 200203);
    EXPECT_EQ(doc.rows()[1][2], QStringLiteral("LOYER mars"));
    continuer();
    EXPECT_EQ(shownMonth(), 200204);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    continuer();
    EXPECT_EQ(shownMonth(), 200204);
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Aucune écriture trouvée")});
    EXPECT_EQ(fake.busy.depth, 0);
}

TEST_F(SearchTest, ACancelledPromptSearchesNothing)
{
    rechercher(QString());
    EXPECT_EQ(shownMonth(), 200202);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    continuer();
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Aucune écriture trouvée")});
}

TEST_F(SearchTest, NothingFoundLeavesTheMonthOnScreen)
{
    rechercher(QStringLiteral("12.50"));
    EXPECT_EQ(shownMonth(), 200202);
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Aucune écriture trouvée")});
}

TEST_F(SearchTest, AMatchInTheHeaderShowsNothingAndSaysNothing)
{
    rechercher(QStringLiteral("2002"));
    EXPECT_EQ(shownMonth(), 200202);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(search.position(), 2u); // after the start date
}

TEST_F(SearchTest, EntriesKeyedOnScreenAreFoundAndStillThereAfterwards)
{
    doc.post({QStringLiteral("07/02/2002"), QStringLiteral("401000"), QStringLiteral("Fournisseur loyer"), {}, {}, {},
              QStringLiteral("20,00"), {}});
    rechercher(QStringLiteral("fournisseur"));
    EXPECT_TRUE(doc.busyAtWriteBack);
    EXPECT_EQ(shownMonth(), 200202);
    EXPECT_EQ(doc.rows().size(), 1);

    rechercher(QStringLiteral("avril"));
    EXPECT_EQ(shownMonth(), 200204);
    doc.mois = 2;
    doc.litMois();
    ASSERT_EQ(doc.rows().size(), 1);
    EXPECT_EQ(doc.rows()[0][2], QStringLiteral("Fournisseur loyer"));
}

TEST_F(SearchTest, ContinuingAfterChangingTheFoundMonthMissesNoMatch)
{
    rechercher(QStringLiteral("loyer"));
    ASSERT_EQ(shownMonth(), 200201);
    doc.grid.set(0, 2, QStringLiteral("Loyer de janvier"));
    doc.moisModifie = true;
    continuer();
    EXPECT_EQ(shownMonth(), 200203);
    continuer();
    EXPECT_EQ(shownMonth(), 200204);
}
