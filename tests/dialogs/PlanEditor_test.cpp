#include "ListEditorFixture.h"
#include "dialogs/PlanEditor.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using PlanEditorTest = ListEditorFixture<PlanEditor>;

TEST_F(PlanEditorTest, CodeFieldTakesDigitsAndIsCompletedOnExit)
{
    EXPECT_TRUE(editor.Edit1KeyPress(u'7'));
    EXPECT_TRUE(editor.Edit1KeyPress(ListEditor::kBackspace));
    for (QChar c : QStringLiteral("a -.é"))
        EXPECT_FALSE(editor.Edit1KeyPress(c)) << int(c.unicode());
    for (const auto &[typed, completed] : {std::pair{"41", "410000"}, {"4", "400000"}, {"6011", "601100"}, {"", "00000"}}) {
        editor.Edit1 = typed;
        editor.Edit1Exit();
        EXPECT_EQ(editor.Edit1, completed) << typed;
    }
    // Enter validates the code as typed, before any completion.
    editor.Edit1 = "41";
    editor.Edit2 = "Clients";
    EXPECT_FALSE(editor.Edit1KeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items(), QStringList{"41 NN Clients"});
}

TEST_F(PlanEditorTest, NewAccountsAreNeverPointableAndKeepTheListSorted)
{
    editor.Init({"512000 NN Banque", "411000 ON Clients"});
    EXPECT_EQ(editor.items(), (QStringList{"411000 ON Clients", "512000 NN Banque"}));
    editor.CheckBox1 = true;
    add("44571", "TVA collectée");
    EXPECT_EQ(editor.items(), (QStringList{"411000 ON Clients", "445710 NN TVA collectée", "512000 NN Banque"}));
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.Edit1.isEmpty() && editor.Edit2.isEmpty());
    EXPECT_TRUE(editor.focusEdit1);
    EXPECT_TRUE(editor.CheckBox1) << "the box keeps its state after validating";
}

TEST_F(PlanEditorTest, CodeThatAnEntryBeginsWithIsRefused)
{
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{" NN "}) << "an empty code passes only in an empty list";
    editor.Init({"411000 NN Clients"});
    for (const QString code : {"411000", "4110", "4", ""}) {
        messages.shown.clear();
        editor.focusEdit1 = false;
        editor.Edit1 = code;
        editor.Edit2 = "Autre";
        editor.Envoi();
        EXPECT_EQ(messages.shown, QStringList{"Ce compte existe déjà"}) << code.toStdString();
        EXPECT_TRUE(editor.focusEdit1);
        EXPECT_EQ(editor.Edit2, "Autre") << "a refused code leaves the fields as typed";
    }
    // A completed code that only shares the start of an entry is another account.
    messages.shown.clear();
    add("41", "Clients et fournisseurs");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(editor.items(), (QStringList{"410000 NN Clients et fournisseurs", "411000 NN Clients"}));
}

TEST_F(PlanEditorTest, SelectingAnEntryFillsTheFields)
{
    editor.Init({"411000 ON Clients divers", "512000 NO  Banque  ", "601000 N Achats", "sansespace"});
    editor.ListBox1Click(0);
    EXPECT_EQ(editor.Edit1, "411000");
    EXPECT_EQ(editor.U, "O");
    EXPECT_FALSE(editor.CheckBox1);
    EXPECT_EQ(editor.Edit2, "Clients divers");
    editor.ListBox1Click(1);
    EXPECT_EQ(editor.U, "N");
    EXPECT_TRUE(editor.CheckBox1);
    EXPECT_EQ(editor.Edit2, "Banque");
    editor.ListBox1Click(2);
    EXPECT_FALSE(editor.CheckBox1) << "a missing pointable flag reads as not pointable";
    EXPECT_EQ(editor.Edit2, "Achats");
    // An entry without a space is selected but leaves the fields alone.
    editor.ListBox1Click(3);
    EXPECT_EQ(editor.ItemIndex, 3);
    EXPECT_EQ(editor.Edit1, "601000");
}

TEST_F(PlanEditorTest, TickingPointableOnAnExistingAccountMakesItPointable)
{
    add("512", "Banque");
    editor.ListBox1Click(0);
    editor.CheckBox1 = true;
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{"512000 NO Banque"});
    editor.CheckBox1 = false;
    editor.ListBox1Click(0);
    EXPECT_TRUE(editor.CheckBox1);
    editor.CheckBox1 = false;
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{"512000 N Banque"});
}

TEST_F(PlanEditorTest, ChangingAnEntryKeepsItsUsedFlagInPlace)
{
    editor.Init({"411000 O Clients", "601000 OO Achats"});
    editor.ListBox1Click(1);
    editor.Edit2 = "Achats de marchandises";
    editor.Envoi();
    EXPECT_EQ(editor.items()[1], "601000 OO Achats de marchandises");
    // No duplicate test on a change, and the entry stays where it was until
    // the list is handed back sorted.
    editor.ListBox1Click(0);
    editor.Edit1 = "701000";
    editor.CheckBox1 = false;
    editor.Envoi();
    EXPECT_EQ(editor.items(), (QStringList{"701000 O Clients", "601000 OO Achats de marchandises"}));
    QStringList result;
    editor.Result(result);
    EXPECT_EQ(result, (QStringList{"601000 OO Achats de marchandises", "701000 O Clients"}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PlanEditorTest, DeletingRefusesUsedAccountsAndClearsTheFields)
{
    editor.Init({"411000 ON Clients", "512000 NO Banque"});
    editor.Supprime();
    EXPECT_EQ(editor.items().size(), 2) << "nothing selected, nothing deleted";
    editor.ListBox1Click(0);
    editor.Supprime();
    EXPECT_EQ(messages.shown, QStringList{"Compte dejà utilisé ne peut être supprimé"});
    EXPECT_EQ(editor.items().size(), 2);
    editor.ListBox1Click(1);
    editor.Supprime();
    EXPECT_EQ(editor.items(), QStringList{"411000 ON Clients"});
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.Edit1.isEmpty() && editor.Edit2.isEmpty());
    EXPECT_FALSE(editor.CheckBox1);
}

} // namespace
