#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "vat/VatBooks.h"

#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "document/VatCommands.h"

#include <gtest/gtest.h>

namespace {

// The small VAT year on March, with an entry keyed there and not yet written back.
struct VatCommandsTest : ::testing::Test {
    FakePlatform fake;
    Fiche fiche{fake.platform};

    void SetUp() override
    {
        fake.clock.date = QDate(2002, 4, 10);
        fiche.ledger.ref.ListePlc = kVatChart;
        fiche.ledger.ref.ListeJnx = kVatJournals;
        openAt(fiche.ledger, vatBooks(), 2002, 3);
        fiche.LitMois();
        keyEntry(fiche.ledger, {"28/03/2002", "445712", "Oubli", "VE", "", "", "5,00", ""});
    }
};

} // namespace

TEST_F(VatCommandsTest, TheFormCountsTheMonthOnScreenAndTheEntryPostedShowsThere)
{
    vat::ReturnForm form = document::vatReturnForm(fiche);
    EXPECT_EQ(form.result().period.caption, "Mars 2002") << "the last complete month";
    EXPECT_EQ(form.result().figureText(2), "206,00");
    document::Journal(fiche);

    ASSERT_TRUE(document::postProposedEntry(fiche, form.proposal()));
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_EQ(fiche.ledger.NbLignes, 18);
    EXPECT_EQ(gridRows(fiche.ledger).last(), (QStringList{"31/03/2002", "445510", "TVA Mars 2002", "OD", "", "", "76,00", ""}));
    EXPECT_EQ(fiche.views.journal.totalCredit.trimmed(), "2282,00") << "the view shown is rebuilt";
    form.recompute();
    EXPECT_EQ(form.proposalRefusal(),
              "L'écriture « TVA Mars 2002 » du 31/03/2002 est passée. Supprimez-la pour la passer à nouveau.");
}

TEST_F(VatCommandsTest, AnEntryInTheClosedYearIsRefusedAndNothingIsPosted)
{
    fiche.ledger.fiscalYear.closing = QDate(2002, 12, 31);
    const std::size_t lines = fiche.ledger.Lignes.size();
    EXPECT_FALSE(document::postProposedEntry(fiche, document::vatReturnForm(fiche).proposal()));
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Les écritures jusqu'au 31/12/2002 sont validées"));
    EXPECT_EQ(fiche.ledger.Lignes.size(), lines + 8) << "only the month on screen written back";
}
