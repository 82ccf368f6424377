#include "EntryFixture.h"
#include "document/EntryCommands.h"
#include "ledger/MonthLines.h"

namespace {
const QString kMark = QStringLiteral("\u00D7");
}

class MonthGridOps : public EntryFixture {
protected:
    // Three lines: 411000 on the 2nd, 512000 (pointable) on the 3rd, 607000 on the 4th.
    void threeLines()
    {
        ASSERT_TRUE(post(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"),
                         QStringLiteral("10"), {}));
        ASSERT_TRUE(post(QStringLiteral("03/03/2002"), QStringLiteral("512000"), QStringLiteral("deux"), {},
                         QStringLiteral("20")));
        ASSERT_TRUE(post(QStringLiteral("04/03/2002"), QStringLiteral("607000"), QStringLiteral("trois"),
                         QStringLiteral("30"), QStringLiteral("3")));
        fiche.ledger.Modifie = false;
        fiche.ledger.MoisModifie = false;
        fiche.entry.focus = Focus::None;
    }
    void select(int row) { fiche.entry.selectedRow = row; }
};

TEST_F(MonthGridOps, DoubleClickBringsTheLineIntoTheEntryLine)
{
    threeLines();
    select(2);
    fiche.entry.DerniereDate = QStringLiteral("02/03/2002");
    grid().modifySelected();
    EXPECT_TRUE(fiche.entry.ModeModif);
    EXPECT_EQ(fiche.entry.LigneModif, 2);
    EXPECT_EQ(fiche.entry.panel.date, "04/03/2002");
    EXPECT_EQ(fiche.entry.panel.account, "607000");
    EXPECT_EQ(fiche.entry.panel.label, "trois");
    EXPECT_EQ(fiche.entry.panel.journal, "VT");
    EXPECT_EQ(fiche.entry.panel.debit, "30,00") << "amounts come back trimmed";
    EXPECT_EQ(fiche.entry.panel.credit, "3,00");
    EXPECT_EQ(fiche.entry.focus, Focus::Date);
    EXPECT_FALSE(fiche.ledger.Modifie) << "nothing changes until the line is posted";

    // Entering the date field from the grid keeps the line's own date: the
    // last posted date is for new lines only.
    line().dateEntered();
    EXPECT_EQ(fiche.entry.panel.date, "04/03/2002");
}

TEST_F(MonthGridOps, PostingAModifiedLineReplacesItAndKeepsItsMark)
{
    threeLines();
    fiche.entry.ModePointage = true;
    select(1);
    grid().rowClicked();
    ASSERT_EQ(cell(1, 7), kMark);
    grid().modifySelected();
    fiche.entry.panel.credit = QStringLiteral("25");
    ASSERT_TRUE(line().post());
    EXPECT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_EQ(cell(1, 2), "deux");
    EXPECT_EQ(cell(1, 6).trimmed(), "25,00");
    EXPECT_EQ(cell(1, 7), kMark);
    EXPECT_FALSE(fiche.entry.ModeModif);
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "28,00");
}

TEST_F(MonthGridOps, ModifyingAnEmptyRowAppendsAfterTheLastLine)
{
    threeLines();
    select(10);
    grid().modifySelected();
    EXPECT_EQ(fiche.entry.panel.date, EntryPanel::kEmptyDate);
    fill(QStringLiteral("09/03/2002"), QStringLiteral("411000"), QStringLiteral("quatre"), QStringLiteral("4"));
    ASSERT_TRUE(line().post());
    EXPECT_EQ(fiche.ledger.NbLignes, 4);
    EXPECT_EQ(cell(3, 2), "quatre");
    EXPECT_TRUE(cell(10, 0).isEmpty());
    fiche.ledger.CompteLignes();
    EXPECT_EQ(fiche.ledger.NbLignes, 4) << "no gap before the new line";
}

TEST_F(MonthGridOps, DeletingTheFirstOfThreeLines)
{
    threeLines();
    fiche.entry.ModePointage = true;
    select(1);
    grid().rowClicked();
    select(0);
    grid().Supprimer();
    EXPECT_EQ(fiche.ledger.NbLignes, 2);
    EXPECT_EQ(cell(0, 2), "deux");
    EXPECT_TRUE(cell(0, 5).isEmpty());
    EXPECT_EQ(cell(0, 6).trimmed(), "20,00");
    EXPECT_EQ(cell(0, 7), kMark);
    EXPECT_EQ(cell(1, 2), "trois");
    EXPECT_EQ(cell(1, 5).trimmed(), "30,00");
    EXPECT_EQ(cell(1, 6).trimmed(), "3,00");
    EXPECT_TRUE(cell(1, 7).isEmpty());
    for (int c = 0; c < 8; ++c)
        EXPECT_TRUE(cell(2, c).isEmpty());
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "30,00");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "23,00");
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_TRUE(fiche.ledger.MoisModifie);
}

TEST_F(MonthGridOps, DeletingTheOnlyLine)
{
    post(QStringLiteral("02/03/2002"), QStringLiteral("411000"), QStringLiteral("un"), QStringLiteral("10"));
    select(0);
    grid().Supprimer();
    EXPECT_EQ(fiche.ledger.NbLignes, 0);
    EXPECT_TRUE(cell(0, 0).isEmpty());
    EXPECT_EQ(fiche.entry.monthDebitTotal.trimmed(), "0,00");
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), "0,00");
}

TEST_F(MonthGridOps, DeletingBelowTheLastLineRemovesNothing)
{
    threeLines();
    select(3);
    grid().Supprimer();
    EXPECT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_EQ(cell(2, 2), "trois");
    EXPECT_TRUE(fiche.ledger.MoisModifie);
    EXPECT_TRUE(fiche.ledger.Modifie);
}

TEST_F(MonthGridOps, TheDeleteKeyAsksFirst)
{
    threeLines();
    select(1);
    fake.messages.yesNoCancel = {Messages::Answer::No, Messages::Answer::Cancel, Messages::Answer::Yes};
    EXPECT_FALSE(grid().deleteAsked());
    EXPECT_FALSE(grid().deleteAsked());
    EXPECT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_TRUE(grid().deleteAsked());
    EXPECT_EQ(fiche.ledger.NbLignes, 2);
    EXPECT_EQ(cell(1, 2), "trois");
    EXPECT_EQ(fake.messages.shown, QStringList(3, QStringLiteral("Supprimer l'écriture du 03/03/2002 ?")));
    select(2);
    EXPECT_FALSE(grid().deleteAsked()) << "below the last line there is nothing to ask about";
    EXPECT_EQ(fake.messages.shown.size(), 3);
}

TEST_F(MonthGridOps, DeletingIsForTheEntryPageOnly)
{
    threeLines();
    fiche.showPage(Page::Journal);
    select(0);
    document::Supprimer(fiche);
    EXPECT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_EQ(cell(0, 2), "un");
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(MonthGridOps, DeletingAboveALineBeingModifiedFollowsIt)
{
    threeLines();
    select(2);
    grid().modifySelected();
    select(0);
    grid().Supprimer();
    EXPECT_EQ(fiche.entry.LigneModif, 1);
    fiche.entry.panel.label = QStringLiteral("trois bis");
    ASSERT_TRUE(line().post());
    EXPECT_EQ(fiche.ledger.NbLignes, 2);
    EXPECT_EQ(cell(0, 2), "deux");
    EXPECT_EQ(cell(1, 2), "trois bis");
}

TEST_F(MonthGridOps, DeletingTheLineBeingModifiedMakesThePostingANewLine)
{
    threeLines();
    select(1);
    grid().modifySelected();
    grid().Supprimer();
    EXPECT_FALSE(fiche.entry.ModeModif);
    ASSERT_TRUE(line().post());
    EXPECT_EQ(fiche.ledger.NbLignes, 3);
    EXPECT_EQ(cell(0, 2), "un");
    EXPECT_EQ(cell(1, 2), "deux");
    EXPECT_EQ(cell(2, 2), "trois");
}

TEST_F(MonthGridOps, CopyAndPasteGiveBackTheTextsAsTyped)
{
    fiche.entry.panel = EntryPanel{QStringLiteral("07/03/2002"), QStringLiteral("607"),  QStringLiteral("Achat"),
                             QStringLiteral("AC"),         QStringLiteral("P1"),   QStringLiteral("12.5"),
                             QStringLiteral("1 200")};
    const EntryPanel copied = fiche.entry.panel;
    grid().Copier();
    ASSERT_TRUE(line().post());
    fiche.Suivant();
    grid().Coller();
    EXPECT_EQ(fiche.entry.panel.date, copied.date);
    EXPECT_EQ(fiche.entry.panel.account, copied.account);
    EXPECT_EQ(fiche.entry.panel.label, copied.label);
    EXPECT_EQ(fiche.entry.panel.journal, copied.journal);
    EXPECT_EQ(fiche.entry.panel.voucher, copied.voucher);
    EXPECT_EQ(fiche.entry.panel.debit, "12.5");
    EXPECT_EQ(fiche.entry.panel.credit, "1 200");
    EXPECT_EQ(fiche.entry.JournalCourant, "AC");
    EXPECT_EQ(fiche.ledger.NbLignes, 0) << "pasting does not touch the grid";
}

TEST_F(MonthGridOps, PastingBeforeAnyCopyEmptiesTheEntryLine)
{
    fill(QStringLiteral("07/03/2002"), QStringLiteral("607000"), QStringLiteral("Achat"), QStringLiteral("1"));
    grid().Coller();
    EXPECT_EQ(fiche.entry.panel.date, EntryPanel::kEmptyDate);
    EXPECT_TRUE(fiche.entry.panel.account.isEmpty());
    EXPECT_TRUE(fiche.entry.panel.label.isEmpty());
    EXPECT_TRUE(fiche.entry.panel.journal.isEmpty());
    EXPECT_TRUE(fiche.entry.panel.debit.isEmpty());
}

TEST_F(MonthGridOps, CheckOffTogglesPointableAccountsOnly)
{
    threeLines();
    select(1);
    grid().rowClicked();
    EXPECT_TRUE(cell(1, 7).isEmpty()) << "check-off mode is off";
    EXPECT_TRUE(fake.messages.shown.isEmpty());

    grid().Pointer(true);
    grid().rowClicked();
    EXPECT_EQ(cell(1, 7), kMark);
    EXPECT_TRUE(fiche.ledger.Modifie);
    EXPECT_TRUE(fiche.ledger.MoisModifie);
    grid().rowClicked();
    EXPECT_TRUE(cell(1, 7).isEmpty());

    fiche.ledger.monthGrid.set(1, 7, QStringLiteral("x"));
    grid().rowClicked();
    EXPECT_EQ(cell(1, 7), kMark) << "anything but the mark becomes the mark";

    grid().Pointer(false);
    grid().rowClicked();
    EXPECT_EQ(cell(1, 7), kMark);
}

TEST_F(MonthGridOps, CheckOffRefusesWhatCannotBeCheckedOff)
{
    threeLines();
    post(QStringLiteral("05/03/2002"), QStringLiteral("530000"), QStringLiteral("caisse"), QStringLiteral("1"));
    post(QStringLiteral("06/03/2002"), QStringLiteral("999999"), QStringLiteral("inconnu"), QStringLiteral("1"));
    fiche.ledger.Modifie = false;
    grid().Pointer(true);
    for (int row : {0, 3, 4, 5}) { // not pointable, no pointable flag, not in the chart, empty row
        fake.messages.clear();
        select(row);
        grid().rowClicked();
        EXPECT_EQ(fake.messages.boxes, FakeMessages::informationBox("Compte non pointable")) << row;
        EXPECT_TRUE(cell(row, 7).isEmpty());
    }
    EXPECT_FALSE(fiche.ledger.Modifie);
}

TEST_F(MonthGridOps, CheckOffSurvivesTheMonthWriteBack)
{
    threeLines();
    grid().Pointer(true);
    select(1);
    grid().rowClicked();
    fiche.Suivant();
    fiche.Precedent();
    EXPECT_EQ(cell(1, 7), kMark);
    EXPECT_TRUE(fiche.entry.ModePointage);
    const auto it = std::find(fiche.ledger.Lignes.begin(), fiche.ledger.Lignes.end(), std::string_view("2002037\xD7"));
    EXPECT_NE(it, fiche.ledger.Lignes.end()) << "the mark is the byte 0xD7 in the file";
}

TEST_F(MonthGridOps, ALetteredLineKeepsItsAccountAndAmountAndCannotBeDeleted)
{
    const int lettering = monthlines::gridColumn(monthlines::Column::Lettering);
    const auto modified = [this](void (*edit)(EntryPanel &)) {
        return [this, edit] {
            grid().modifySelected();
            edit(fiche.entry.panel);
            line().post();
        };
    };
    const struct {
        const char *guards;
        std::function<void()> change; // on the lettered line, selected
        bool refused;
    } cases[] = {
        {"deleting", [this] { grid().Supprimer(); }, true},
        {"the Delete key", [this] { grid().deleteAsked(); }, true},
        {"another account", modified([](EntryPanel &p) { p.account = QStringLiteral("401000"); }), true},
        {"another amount", modified([](EntryPanel &p) { p.debit = QStringLiteral("11"); }), true},
        {"another label, the same amount written otherwise", modified([](EntryPanel &p) {
             p.label = QStringLiteral("autre");
             p.debit = QStringLiteral("10,0");
         }),
         false},
    };
    for (const auto &c : cases) {
        fiche.ledger.Lignes = LineList();
        fiche.LitMois();
        fiche.entry.ModeModif = false;
        threeLines();
        fiche.ledger.monthGrid.set(0, lettering, QStringLiteral("AA 02/03/2002"));
        fake.messages.clear();
        select(0);
        c.change();
        EXPECT_EQ(fake.messages.shown,
                  c.refused ? QStringList{QStringLiteral("Écriture lettrée : délettrez-la d'abord.")} : QStringList{})
            << c.guards;
        EXPECT_EQ(fiche.ledger.NbLignes, 3) << c.guards;
        EXPECT_EQ(cell(0, 1), "411000") << c.guards;
        EXPECT_EQ(cell(0, 5).trimmed(), "10,00") << c.guards;
        EXPECT_EQ(cell(0, lettering), QStringLiteral("AA 02/03/2002")) << c.guards << ": the code stays on the line";
    }
    fiche.ledger.MoisModifie = true;
    fiche.Suivant();
    fiche.Precedent();
    EXPECT_EQ(cell(0, lettering), QStringLiteral("AA 02/03/2002")) << "the write-back keeps the lettering";
}
