#include "EntryFixture.h"

using EntryFields = EntryFixture;

TEST_F(EntryFields, DateExitCompletesWithTodayAndTheMonthShown)
{
    fiche.Annee = 2003;
    fiche.Mois = 5;
    fiche.panel.date = EntryPanel::kEmptyDate;
    EXPECT_TRUE(line().dateLeft());
    EXPECT_EQ(fiche.panel.date, "15/03/2002");

    fiche.panel.date = QStringLiteral("07/  /    ");
    EXPECT_TRUE(line().dateLeft());
    EXPECT_EQ(fiche.panel.date, "07/05/2003");

    fiche.panel.date = QStringLiteral("07/03/    ");
    EXPECT_TRUE(line().dateLeft());
    EXPECT_EQ(fiche.panel.date, "07/03/2003");
    EXPECT_EQ(fiche.focus, Focus::None);
}

TEST_F(EntryFields, DateExitRefusalKeepsTheTextAndTakesTheFocusBackSilently)
{
    fiche.panel.date = QStringLiteral("31/04/    ");
    EXPECT_FALSE(line().dateLeft());
    EXPECT_EQ(fiche.panel.date, "31/04/    ");
    EXPECT_EQ(fiche.focus, Focus::Date);
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(EntryFields, DateEntryProposesTheLastPostedDate)
{
    fiche.panel.date = QStringLiteral("12/03/2002");
    line().dateEntered();
    EXPECT_EQ(fiche.panel.date, "12/03/2002") << "nothing posted yet";

    ASSERT_TRUE(post(QStringLiteral("08/03/2002"), QStringLiteral("411000"), QStringLiteral("Vente"),
                     QStringLiteral("10")));
    line().dateEntered();
    EXPECT_EQ(fiche.panel.date, "08/03/2002");

    fiche.DerniereDate = QStringLiteral("8/3/2002");
    fiche.panel.date = EntryPanel::kEmptyDate;
    line().dateEntered();
    EXPECT_EQ(fiche.panel.date, EntryPanel::kEmptyDate) << "only a ten-character date is proposed";
}

TEST_F(EntryFields, AccountCodesArePaddedOrCutToSix)
{
    fiche.panel.compte = QStringLiteral("41");
    line().accountLeft();
    EXPECT_EQ(fiche.panel.compte, "410000");

    fiche.panel.compte = QStringLiteral("5120001234");
    line().accountLeft();
    EXPECT_EQ(fiche.panel.compte, "512000");

    fake.messages.shown.clear();
    fiche.panel.compte.clear();
    line().accountLeft();
    EXPECT_TRUE(fiche.panel.compte.isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(EntryFields, FirstUseOfAnAccountRewritesOnlyItsUsedFlag)
{
    fiche.panel.compte = QStringLiteral("401");
    line().accountLeft();
    EXPECT_EQ(fiche.ref.ListePlc[0], "401000 ON Fournisseurs");
    EXPECT_TRUE(fiche.ref.PlanModifie);

    fiche.panel.compte = QStringLiteral("512");
    line().accountLeft();
    EXPECT_EQ(fiche.ref.ListePlc[2], "512000 OO Banque") << "the pointable flag stays";
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(EntryFields, AnAccountAlreadyUsedLeavesTheChartUnchanged)
{
    const QStringList before = fiche.ref.ListePlc;
    fiche.panel.compte = QStringLiteral("411000");
    line().accountLeft();
    fiche.panel.compte = QStringLiteral("53");
    line().accountLeft();
    EXPECT_EQ(fiche.ref.ListePlc, before);
    EXPECT_FALSE(fiche.ref.PlanModifie);
}

TEST_F(EntryFields, UnknownAccountIsReportedAndKeepsTheFocus)
{
    fiche.panel.compte = QStringLiteral("7");
    line().accountLeft();
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Le compte 700000 n'existe pas"));
    EXPECT_EQ(fiche.focus, Focus::Compte);
    EXPECT_EQ(fiche.panel.compte, "700000");
    EXPECT_FALSE(fiche.ref.PlanModifie);
}

TEST_F(EntryFields, LeavingTheAccountProposesTheLastLabelEvenForAnUnknownAccount)
{
    fiche.panel.compte = QStringLiteral("411");
    fiche.panel.libelle = QStringLiteral("typed");
    line().accountLeft();
    EXPECT_EQ(fiche.panel.libelle, "typed") << "no label posted yet";

    fiche.DernierLibelle = QStringLiteral("Facture Dupont");
    fiche.panel.compte = QStringLiteral("999");
    line().accountLeft();
    EXPECT_EQ(fiche.panel.libelle, "Facture Dupont");
    fiche.panel.libelle = QStringLiteral("typed");
    fiche.panel.compte = QStringLiteral("411");
    line().accountLeft();
    EXPECT_EQ(fiche.panel.libelle, "Facture Dupont");
}

TEST_F(EntryFields, AnEmptyLabelTakesTheAccountsLabel)
{
    fiche.panel.compte = QStringLiteral("512000");
    line().labelLeft();
    EXPECT_EQ(fiche.panel.libelle, "Banque");

    fiche.panel.libelle.clear();
    fiche.panel.compte = QStringLiteral("530000");
    line().labelLeft();
    EXPECT_EQ(fiche.panel.libelle, "Caisse") << "a line without its pointable flag";

    fiche.panel.libelle = QStringLiteral("Remise");
    line().labelLeft();
    EXPECT_EQ(fiche.panel.libelle, "Remise");

    fiche.panel.libelle.clear();
    fiche.panel.compte = QStringLiteral("999999");
    line().labelLeft();
    EXPECT_TRUE(fiche.panel.libelle.isEmpty());

    fiche.panel.compte.clear();
    line().labelLeft();
    EXPECT_TRUE(fiche.panel.libelle.isEmpty()) << "no account: nothing to take a label from";
}

TEST_F(EntryFields, JournalFieldIsFollowedAndMarkedUsed)
{
    line().journalEdited(QStringLiteral("AC"));
    EXPECT_EQ(fiche.JournalCourant, "AC");
    line().journalLeft();
    EXPECT_EQ(fiche.ref.ListeJnx[0], "AC O Achats");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
    EXPECT_EQ(fiche.focus, Focus::None);

    line().journalEdited(QStringLiteral("VT"));
    line().journalLeft();
    EXPECT_EQ(fiche.ref.ListeJnx[1], "VT O Ventes");
}

TEST_F(EntryFields, UnknownJournalIsReportedAsTyped)
{
    line().journalEdited(QStringLiteral("vt"));
    line().journalLeft();
    EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Le journal vt n'existe pas"));
    EXPECT_EQ(fiche.focus, Focus::Journal);
    EXPECT_EQ(fiche.panel.journal, "vt");

    fake.messages.shown.clear();
    line().journalEdited(QString());
    line().journalLeft();
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}
