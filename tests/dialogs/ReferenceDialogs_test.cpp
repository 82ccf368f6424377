#include "dialogs/ReferenceDialogs.h"

#include "dialogs/JournalEditor.h"
#include "dialogs/PlanEditor.h"
#include "dialogs/SocieteForm.h"
#include "ledger/ReferenceData.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

// One opening of an editor on the reference data: the editor takes the list,
// `edit` acts as the user, and the document keeps the result.
template <class Editor, class Apply, class Edit>
void openEditor(ReferenceData &ref, const QStringList &list, Apply apply, Edit edit)
{
    FakeMessages messages;
    Editor editor(messages);
    editor.Init(list);
    edit(editor);
    apply(ref, editor);
}

TEST(ReferenceDialogs, ClosingTheChartEditorSortsRebuildsTheCodesAndMarksTheChart)
{
    ReferenceData ref;
    ref.ListePlc = {"411000 ON Clients", "512000 NN Banque"};
    reference::initPlc(ref);
    for (int i = 0; i < 2; ++i)
        openEditor<PlanEditor>(ref, ref.ListePlc, dialogs::Plc, [](PlanEditor &) {});
    EXPECT_TRUE(ref.PlanModifie) << "set even when nothing changed";
    EXPECT_EQ(ref.ComboBox1Items, (QStringList{"411000", "512000"}));

    openEditor<PlanEditor>(ref, ref.ListePlc, dialogs::Plc, [](PlanEditor &e) {
        e.Edit1 = "1";
        e.Edit1Exit();
        e.Edit2 = "Capital";
        e.Envoi();
        e.ListBox1Click(2);
        e.Edit1 = "401000";
        e.Envoi();
    });
    EXPECT_EQ(ref.ListePlc, (QStringList{"100000 NN Capital", "401000 N Banque", "411000 ON Clients"}));
    EXPECT_EQ(ref.ComboBox1Items, (QStringList{"100000", "401000", "411000"}));
}

TEST(ReferenceDialogs, ClosingTheJournalsEditorSortsAndRebuildsTheCodes)
{
    ReferenceData ref;
    ref.ListeJnx = {"VE O Ventes"};
    auto addAchats = [](JournalEditor &e) {
        e.Edit1 = "ac";
        e.Edit1Exit();
        e.Edit2 = "Achats";
        e.Envoi();
    };
    openEditor<JournalEditor>(ref, ref.ListeJnx, dialogs::Journaux, addAchats);
    openEditor<JournalEditor>(ref, ref.ListeJnx, dialogs::Journaux, [](JournalEditor &) {});
    EXPECT_EQ(ref.ListeJnx, (QStringList{"AC N Achats", "VE O Ventes"}));
    EXPECT_EQ(ref.ComboBox2Items, (QStringList{"AC", "VE"}));
    EXPECT_FALSE(ref.PlanModifie);
}

class PsocTest : public ::testing::Test {
protected:
    ReferenceData ref;
    std::array<QString, 7> before;
    void SetUp() override
    {
        ref.Societe = {"SARL Tavelin", "12 rue des Lilas", "", "69000 LYON", "Tél 04 78 00 00 00", "", "SIRET 000"};
        before = ref.Societe;
    }
};

TEST_F(PsocTest, OkReplacesTheLinesAsTyped)
{
    SocieteForm form;
    form.Init(ref.Societe);
    form.Edits[4] = "Tél 04 72 11 11 11";
    form.confirmed = true;
    EXPECT_TRUE(dialogs::Psoc(ref, form));
    std::array<QString, 7> expected = before;
    expected[4] = "Tél 04 72 11 11 11";
    EXPECT_EQ(ref.Societe, expected);
}

TEST_F(PsocTest, CancelOrAnEmptyCompanyNameChangesNothing)
{
    SocieteForm form;
    form.Init(ref.Societe);
    form.Edits[4] = "changé";

    form.confirmed = false;
    EXPECT_FALSE(dialogs::Psoc(ref, form));
    EXPECT_EQ(ref.Societe, before);

    form.Edits[0].clear();
    form.confirmed = true;
    EXPECT_FALSE(dialogs::Psoc(ref, form));
    EXPECT_EQ(ref.Societe, before);
}

TEST(SocieteForm, CancelledResultEmptiesOnlyTheFirstLine)
{
    SocieteForm form;
    form.Init({"A", "B", "C", "D", "E", "F", "G"});
    form.Edits[1] = "changé";
    std::array<QString, 7> out = {"1", "2", "3", "4", "5", "6", "7"};
    form.Result(out);
    EXPECT_EQ(out, (std::array<QString, 7>{"", "2", "3", "4", "5", "6", "7"}));
    form.confirmed = true;
    form.Result(out);
    EXPECT_EQ(out, (std::array<QString, 7>{"A", "changé", "C", "D", "E", "F", "G"}));
}

} // namespace
