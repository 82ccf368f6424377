#include "ListEditorFixture.h"
#include "reference/ChartEditor.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using ChartEditorTest = ListEditorFixture<ChartEditor>;

TEST_F(ChartEditorTest, CodeFieldTakesDigitsAndIsCompletedOnExit)
{
    EXPECT_TRUE(editor.codeFieldKeyPress(u'7'));
    EXPECT_TRUE(editor.codeFieldKeyPress(ListEditor::kBackspace));
    for (QChar c : QStringLiteral("a -.é"))
        EXPECT_FALSE(editor.codeFieldKeyPress(c)) << int(c.unicode());
    for (const auto &[typed, completed] : {std::pair{"41", "410000"}, {"4", "400000"}, {"6011", "601100"}, {"", "00000"}}) {
        editor.codeField = typed;
        editor.codeFieldExit();
        EXPECT_EQ(editor.codeField, completed) << typed;
    }
    // Enter completes the code as leaving the field does: the entry line,
    // which completes what is typed there, can then find the account.
    editor.codeField = "41";
    editor.labelField = "Clients";
    EXPECT_FALSE(editor.codeFieldKeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items(), QStringList{"410000 NN Clients"});
}

TEST_F(ChartEditorTest, NewAccountsAreNeverPointableAndKeepTheListSorted)
{
    editor.Init({"512000 NN Banque", "411000 ON Clients"});
    EXPECT_EQ(editor.items(), (QStringList{"411000 ON Clients", "512000 NN Banque"}));
    editor.checkOffBox = true;
    add("44571", "TVA collectée");
    EXPECT_EQ(editor.items(), (QStringList{"411000 ON Clients", "445710 NN TVA collectée", "512000 NN Banque"}));
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.codeField.isEmpty() && editor.labelField.isEmpty());
    EXPECT_TRUE(editor.focusCodeField);
    EXPECT_TRUE(editor.checkOffBox) << "the box keeps its state after validating";
}

TEST_F(ChartEditorTest, CodeThatAnEntryBeginsWithIsRefused)
{
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{" NN "}) << "an empty code passes only in an empty list";
    editor.Init({"411000 NN Clients"});
    for (const QString code : {"411000", "4110", "411", ""}) {
        messages.clear();
        editor.focusCodeField = false;
        editor.codeField = code;
        editor.labelField = "Autre";
        editor.Envoi();
        EXPECT_EQ(messages.boxes, FakeMessages::informationBox("Ce compte existe déjà")) << code.toStdString();
        EXPECT_TRUE(editor.focusCodeField);
        EXPECT_EQ(editor.labelField, "Autre") << "a refused code leaves the fields as typed";
    }
    // A completed code that only shares the start of an entry is another account.
    messages.clear();
    add("41", "Clients et fournisseurs");
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(editor.items(), (QStringList{"410000 NN Clients et fournisseurs", "411000 NN Clients"}));
}

TEST_F(ChartEditorTest, SelectingAnEntryFillsTheFields)
{
    editor.Init({"411000 ON Clients divers", "512000 NO  Banque  ", "601000 N Achats", "sansespace"});
    editor.entrySelected(0);
    EXPECT_EQ(editor.codeField, "411000");
    EXPECT_EQ(editor.U, "O");
    EXPECT_FALSE(editor.checkOffBox);
    EXPECT_EQ(editor.labelField, "Clients divers");
    editor.entrySelected(1);
    EXPECT_EQ(editor.U, "N");
    EXPECT_TRUE(editor.checkOffBox);
    EXPECT_EQ(editor.labelField, "Banque");
    editor.entrySelected(2);
    EXPECT_FALSE(editor.checkOffBox) << "a missing pointable flag reads as not pointable";
    EXPECT_EQ(editor.labelField, "Achats");
    // An entry without a space is selected but leaves the fields alone.
    editor.entrySelected(3);
    EXPECT_EQ(editor.ItemIndex, 3);
    EXPECT_EQ(editor.codeField, "601000");
}

TEST_F(ChartEditorTest, TickingPointableOnAnExistingAccountMakesItPointable)
{
    add("512", "Banque");
    editor.entrySelected(0);
    editor.checkOffBox = true;
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{"512000 NO Banque"});
    editor.checkOffBox = false;
    editor.entrySelected(0);
    EXPECT_TRUE(editor.checkOffBox);
    editor.checkOffBox = false;
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{"512000 N Banque"});
}

TEST_F(ChartEditorTest, ChangingAnEntryKeepsItsUsedFlagInPlace)
{
    editor.Init({"411000 O Clients", "601000 OO Achats"});
    editor.entrySelected(1);
    editor.labelField = "Achats de marchandises";
    editor.Envoi();
    EXPECT_EQ(editor.items()[1], "601000 OO Achats de marchandises");
    // No duplicate test on a change, and the entry stays where it was until
    // the list is handed back sorted.
    editor.entrySelected(0);
    editor.codeField = "701000";
    editor.checkOffBox = false;
    editor.Envoi();
    EXPECT_EQ(editor.items(), (QStringList{"701000 O Clients", "601000 OO Achats de marchandises"}));
    QStringList result;
    editor.Result(result);
    EXPECT_EQ(result, (QStringList{"601000 OO Achats de marchandises", "701000 O Clients"}));
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(ChartEditorTest, DeletingRefusesUsedAccountsAndClearsTheFields)
{
    editor.Init({"411000 ON Clients", "512000 NO Banque"});
    editor.Supprime();
    EXPECT_EQ(editor.items().size(), 2) << "nothing selected, nothing deleted";
    editor.entrySelected(0);
    editor.Supprime();
    EXPECT_EQ(messages.boxes, FakeMessages::informationBox("Compte déjà utilisé ne peut être supprimé"));
    EXPECT_EQ(editor.items().size(), 2);
    editor.entrySelected(1);
    editor.Supprime();
    EXPECT_EQ(editor.items(), QStringList{"411000 ON Clients"});
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.codeField.isEmpty() && editor.labelField.isEmpty());
    EXPECT_FALSE(editor.checkOffBox);
}

} // namespace
