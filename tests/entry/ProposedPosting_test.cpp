#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "LedgerText.h"

#include "entry/ProposedPosting.h"

#include <gtest/gtest.h>

namespace {

struct ProposedPostingTest : ::testing::Test {
    FakePlatform fake;
    Ledger ledger{fake.platform};
    ProposedEntry entry{QDate(2002, 3, 31), "TVA Mars 2002", "OD", {{"445712", 19000, 0}, {"445510", 0, 19000}}};

    void SetUp() override
    {
        openAt(ledger, kHeader2002, 2002, 3);
        ledger.ref.ListePlc = {QStringLiteral("445510 NN TVA à décaisser"), QStringLiteral("445712 ON TVA collectée")};
        ledger.ref.ListeJnx = {QStringLiteral("OD N Opérations diverses")};
    }
};

} // namespace

TEST_F(ProposedPostingTest, RefusedAsAKeyedEntryWouldBe)
{
    const struct {
        const char *guards;
        std::function<void(Ledger &, ProposedEntry &)> change;
        QString refusal;
    } cases[] = {
        {"an entry that may be posted", [](Ledger &, ProposedEntry &) {}, ""},
        {"a date after the fiscal year", [](Ledger &, ProposedEntry &e) { e.date = QDate(2003, 1, 31); },
         "Date en dehors des limites de l'exercice"},
        {"a date of the closed year", [](Ledger &l, ProposedEntry &) { l.fiscalYear.closing = QDate(2002, 12, 31); },
         "Les écritures jusqu'au 31/12/2002 sont validées"},
        {"a date after the part of the year closed", [](Ledger &l, ProposedEntry &) { l.fiscalYear.closing = QDate(2002, 2, 28); },
         ""},
        {"no journal chosen", [](Ledger &, ProposedEntry &e) { e.journal.clear(); }, "Choisissez le journal de l'écriture."},
        {"a journal missing from the journals", [](Ledger &, ProposedEntry &e) { e.journal = "BQ"; }, "Le journal BQ n'existe pas"},
        {"an account missing from the chart", [](Ledger &l, ProposedEntry &) { l.ref.ListePlc.removeAt(0); },
         "Le compte 445510 n'existe pas"},
        {"nothing to post", [](Ledger &, ProposedEntry &e) { e.lines.clear(); }, "L'écriture ne comporte aucune ligne."},
        {"an entry that does not balance", [](Ledger &, ProposedEntry &e) { e.lines[1].credit = 18000; },
         "L'écriture n'est pas équilibrée : débit 190,00, crédit 180,00."},
    };
    for (const auto &c : cases) {
        SetUp();
        ProposedEntry changed = entry;
        c.change(ledger, changed);
        EXPECT_EQ(proposed::refusal(ledger, changed), c.refusal) << c.guards;
    }
}

TEST_F(ProposedPostingTest, EachLineBecomesAnEntryOfItsMonthAndItsAccountsAreUsed)
{
    openAt(ledger, kHeader2002, 2002, 1);
    proposed::post(ledger, entry);
    EXPECT_EQ(ledger.Lignes.size(), 5u + 16u);
    ledger.Mois = 3;
    ledger.readMonthGrid();
    EXPECT_EQ(gridRows(ledger), (QList<QStringList>{{"31/03/2002", "445712", "TVA Mars 2002", "OD", "", "190,00", "", ""},
                                                    {"31/03/2002", "445510", "TVA Mars 2002", "OD", "", "", "190,00", ""}}));
    EXPECT_EQ(ledger.ref.ListePlc[0], "445510 ON TVA à décaisser");
    EXPECT_TRUE(ledger.ref.PlanModifie);
    EXPECT_EQ(ledger.ref.ListeJnx[0], "OD O Opérations diverses");
}
