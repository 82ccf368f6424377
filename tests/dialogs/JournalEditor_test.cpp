#include "ListEditorFixture.h"
#include "dialogs/JournalEditor.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using JournalEditorTest = ListEditorFixture<JournalEditor>;

TEST_F(JournalEditorTest, CodeTakesAnyCharacterAndTurnsUpperCaseUnpadded)
{
    EXPECT_TRUE(editor.Edit1KeyPress(u'v'));
    EXPECT_TRUE(editor.Edit1KeyPress(u'-'));
    add("ve", "Ventes");
    add("b", "Banque");
    EXPECT_EQ(editor.items(), (QStringList{"VE N Ventes", "B N Banque"}));
    // Enter validates the code as typed, before the upper case.
    editor.Edit1 = "od";
    EXPECT_FALSE(editor.Edit1KeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items().last(), "od N ");
}

TEST_F(JournalEditorTest, CodeThatAnEntryBeginsWithIsRefused)
{
    editor.Init({"VE N Ventes"});
    for (const QString code : {"V", "VE", ""}) {
        messages.shown.clear();
        add(code, "Autre");
        EXPECT_EQ(messages.shown, QStringList{"Ce code existe déjà"}) << code.toStdString();
        EXPECT_EQ(editor.items(), QStringList{"VE N Ventes"});
    }
    messages.shown.clear();
    add("VT", "Ventes au comptoir");
    EXPECT_TRUE(messages.shown.isEmpty()) << "a code sharing only the first letter is another journal";
}

TEST_F(JournalEditorTest, NewJournalsGoToTheEndAndComeBackSorted)
{
    editor.Init({"VE N Ventes", "AC O Achats"});
    add("bq", "Banque");
    EXPECT_EQ(editor.items(), (QStringList{"VE N Ventes", "AC O Achats", "BQ N Banque"}));
    QStringList result;
    editor.Result(result);
    EXPECT_EQ(result, (QStringList{"AC O Achats", "BQ N Banque", "VE N Ventes"}));
}

TEST_F(JournalEditorTest, SelectingAndValidatingKeepsTheEntryAndItsUsedFlag)
{
    editor.Init({"BQ O Banque Populaire  de l'Ouest", "OD N Opérations diverses"});
    editor.ListBox1Click(0);
    EXPECT_EQ(editor.Edit1, "BQ");
    EXPECT_EQ(editor.Edit2, "Banque Populaire  de l'Ouest");
    editor.Envoi();
    EXPECT_EQ(editor.items()[0], "BQ O Banque Populaire  de l'Ouest");
    editor.ListBox1Click(1);
    editor.Edit1 = "BQ";
    editor.Edit2 = "Divers";
    editor.Envoi();
    EXPECT_EQ(editor.items()[1], "BQ N Divers") << "no duplicate test on a change";
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(JournalEditorTest, UsedJournalCannotBeDeleted)
{
    editor.Init({"VE O Ventes", "AC N Achats"});
    editor.ListBox1Click(0);
    editor.Supprime();
    EXPECT_EQ(messages.shown, QStringList{"Journal dejà utilisé ne peut être supprimé"});
    editor.ListBox1Click(1);
    editor.Supprime();
    EXPECT_EQ(editor.items(), QStringList{"VE O Ventes"});
    EXPECT_TRUE(editor.Edit1.isEmpty() && editor.Edit2.isEmpty());
}

} // namespace
