#include "ListEditorFixture.h"
#include "reference/JournalEditor.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

using JournalEditorTest = ListEditorFixture<JournalEditor>;

TEST_F(JournalEditorTest, CodeTakesAnyCharacterAndTurnsUpperCaseUnpadded)
{
    EXPECT_TRUE(editor.codeFieldKeyPress(u'v'));
    EXPECT_TRUE(editor.codeFieldKeyPress(u'-'));
    add("ve", "Ventes");
    add("b", "Banque");
    EXPECT_EQ(editor.items(), (QStringList{"VE N Ventes", "B N Banque"}));
    // Enter validates the code in upper case, as leaving the field gives it.
    editor.codeField = "od";
    EXPECT_FALSE(editor.codeFieldKeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items().last(), "OD N ");
}

TEST_F(JournalEditorTest, CodeThatAnEntryBeginsWithIsRefused)
{
    editor.Init({"VE N Ventes"});
    for (const QString code : {"V", "VE", ""}) {
        messages.clear();
        add(code, "Autre");
        EXPECT_EQ(messages.boxes, FakeMessages::informationBox("Ce code existe déjà")) << code.toStdString();
        EXPECT_EQ(editor.items(), QStringList{"VE N Ventes"});
    }
    messages.clear();
    add("VT", "Ventes au comptoir");
    EXPECT_TRUE(messages.boxes.empty()) << "a code sharing only the first letter is another journal";
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
    editor.entrySelected(0);
    EXPECT_EQ(editor.codeField, "BQ");
    EXPECT_EQ(editor.labelField, "Banque Populaire  de l'Ouest");
    editor.Envoi();
    EXPECT_EQ(editor.items()[0], "BQ O Banque Populaire  de l'Ouest");
    editor.entrySelected(1);
    editor.codeField = "BQ";
    editor.labelField = "Divers";
    editor.Envoi();
    EXPECT_EQ(editor.items()[1], "BQ N Divers") << "no duplicate test on a change";
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(JournalEditorTest, UsedJournalCannotBeDeleted)
{
    editor.Init({"VE O Ventes", "AC N Achats"});
    editor.entrySelected(0);
    editor.Supprime();
    EXPECT_EQ(messages.boxes, FakeMessages::informationBox("Journal déjà utilisé ne peut être supprimé"));
    editor.entrySelected(1);
    editor.Supprime();
    EXPECT_EQ(editor.items(), QStringList{"VE O Ventes"});
    EXPECT_TRUE(editor.codeField.isEmpty() && editor.labelField.isEmpty());
}

} // namespace
