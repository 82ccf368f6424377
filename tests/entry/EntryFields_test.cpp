#include "EntryFixture.h"

using EntryFields = EntryFixture;

TEST_F(EntryFields, DateExitCompletesWithTodayAndTheMonthShown)
{
    fiche.ledger.Annee = 2003;
    fiche.ledger.Mois = 5;
    fiche.entry.panel.date = EntryPanel::kEmptyDate;
    EXPECT_TRUE(line().dateLeft());
    EXPECT_EQ(fiche.entry.panel.date, "15/03/2002");

    fiche.entry.panel.date = QStringLiteral("07/  /    ");
    EXPECT_TRUE(line().dateLeft());
    EXPECT_EQ(fiche.entry.panel.date, "07/05/2003");

    fiche.entry.panel.date = QStringLiteral("07/03/    ");
    EXPECT_TRUE(line().dateLeft());
    EXPECT_EQ(fiche.entry.panel.date, "07/03/2003");
    EXPECT_EQ(fiche.entry.focus, Focus::None);
}

TEST_F(EntryFields, DateExitRefusalKeepsTheTextAndTakesTheFocusBackSilently)
{
    fiche.entry.panel.date = QStringLiteral("31/04/    ");
    EXPECT_FALSE(line().dateLeft());
    EXPECT_EQ(fiche.entry.panel.date, "31/04/    ");
    EXPECT_EQ(fiche.entry.focus, Focus::Date);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(EntryFields, DateEntryProposesTheLastPostedDate)
{
    fiche.entry.panel.date = QStringLiteral("12/03/2002");
    line().dateEntered();
    EXPECT_EQ(fiche.entry.panel.date, "12/03/2002") << "nothing posted yet";

    ASSERT_TRUE(post(QStringLiteral("08/03/2002"), QStringLiteral("411000"), QStringLiteral("Vente"),
                     QStringLiteral("10")));
    line().dateEntered();
    EXPECT_EQ(fiche.entry.panel.date, "08/03/2002");

    fiche.entry.DerniereDate = QStringLiteral("8/3/2002");
    fiche.entry.panel.date = EntryPanel::kEmptyDate;
    line().dateEntered();
    EXPECT_EQ(fiche.entry.panel.date, EntryPanel::kEmptyDate) << "only a ten-character date is proposed";
}

TEST_F(EntryFields, AccountCodesArePaddedOrCutToSix)
{
    fiche.entry.panel.account = QStringLiteral("41");
    line().accountLeft();
    EXPECT_EQ(fiche.entry.panel.account, "410000");

    fiche.entry.panel.account = QStringLiteral("5120001234");
    line().accountLeft();
    EXPECT_EQ(fiche.entry.panel.account, "512000");

    fake.messages.shown.clear();
    fiche.entry.panel.account.clear();
    line().accountLeft();
    EXPECT_TRUE(fiche.entry.panel.account.isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(EntryFields, FirstUseOfAnAccountRewritesOnlyItsUsedFlag)
{
    fiche.entry.panel.account = QStringLiteral("401");
    line().accountLeft();
    EXPECT_EQ(fiche.ledger.ref.ListePlc[0], "401000 ON Fournisseurs");
    EXPECT_TRUE(fiche.ledger.ref.PlanModifie);

    fiche.entry.panel.account = QStringLiteral("512");
    line().accountLeft();
    EXPECT_EQ(fiche.ledger.ref.ListePlc[2], "512000 OO Banque") << "the pointable flag stays";
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(EntryFields, AnAccountAlreadyUsedLeavesTheChartUnchanged)
{
    const QStringList before = fiche.ledger.ref.ListePlc;
    fiche.entry.panel.account = QStringLiteral("411000");
    line().accountLeft();
    fiche.entry.panel.account = QStringLiteral("53");
    line().accountLeft();
    EXPECT_EQ(fiche.ledger.ref.ListePlc, before);
    EXPECT_FALSE(fiche.ledger.ref.PlanModifie);
}

TEST_F(EntryFields, UnknownAccountIsReportedAndKeepsTheFocus)
{
    fiche.entry.panel.account = QStringLiteral("7");
    line().accountLeft();
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Le compte 700000 n'existe pas"));
    EXPECT_EQ(fiche.entry.focus, Focus::Account);
    EXPECT_EQ(fiche.entry.panel.account, "700000");
    EXPECT_FALSE(fiche.ledger.ref.PlanModifie);
}

TEST_F(EntryFields, LeavingTheAccountProposesTheLastLabelEvenForAnUnknownAccount)
{
    fiche.entry.panel.account = QStringLiteral("411");
    fiche.entry.panel.label = QStringLiteral("typed");
    line().accountLeft();
    EXPECT_EQ(fiche.entry.panel.label, "typed") << "no label posted yet";

    fiche.entry.DernierLibelle = QStringLiteral("Facture Dupont");
    fiche.entry.panel.account = QStringLiteral("999");
    line().accountLeft();
    EXPECT_EQ(fiche.entry.panel.label, "Facture Dupont");
    fiche.entry.panel.label = QStringLiteral("typed");
    fiche.entry.panel.account = QStringLiteral("411");
    line().accountLeft();
    EXPECT_EQ(fiche.entry.panel.label, "Facture Dupont");
}

TEST_F(EntryFields, AnEmptyLabelTakesTheAccountsLabel)
{
    fiche.entry.panel.account = QStringLiteral("512000");
    line().labelLeft();
    EXPECT_EQ(fiche.entry.panel.label, "Banque");

    fiche.entry.panel.label.clear();
    fiche.entry.panel.account = QStringLiteral("530000");
    line().labelLeft();
    EXPECT_EQ(fiche.entry.panel.label, "Caisse") << "a line without its pointable flag";

    fiche.entry.panel.label = QStringLiteral("Remise");
    line().labelLeft();
    EXPECT_EQ(fiche.entry.panel.label, "Remise");

    fiche.entry.panel.label.clear();
    fiche.entry.panel.account = QStringLiteral("999999");
    line().labelLeft();
    EXPECT_TRUE(fiche.entry.panel.label.isEmpty());

    fiche.entry.panel.account.clear();
    line().labelLeft();
    EXPECT_TRUE(fiche.entry.panel.label.isEmpty()) << "no account: nothing to take a label from";
}

TEST_F(EntryFields, JournalFieldIsFollowedAndMarkedUsed)
{
    line().journalEdited(QStringLiteral("AC"));
    EXPECT_EQ(fiche.entry.JournalCourant, "AC");
    line().journalLeft();
    EXPECT_EQ(fiche.ledger.ref.ListeJnx[0], "AC O Achats");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fiche.entry.focus, Focus::None);

    line().journalEdited(QStringLiteral("VT"));
    line().journalLeft();
    EXPECT_EQ(fiche.ledger.ref.ListeJnx[1], "VT O Ventes");
}

TEST_F(EntryFields, UnknownJournalIsReportedAsTyped)
{
    line().journalEdited(QStringLiteral("vt"));
    line().journalLeft();
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Le journal vt n'existe pas"));
    EXPECT_EQ(fiche.entry.focus, Focus::Journal);
    EXPECT_EQ(fiche.entry.panel.journal, "vt");

    fake.messages.shown.clear();
    line().journalEdited(QString());
    line().journalLeft();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}
