#include "dialogs/JournalEditor.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class JournalEditorTest : public ::testing::Test {
protected:
    FakeMessages messages;
    JournalEditor editor{messages};

    void add(const QString &code, const QString &name)
    {
        editor.Edit1 = code;
        editor.Edit1Exit();
        editor.Edit2 = name;
        editor.Envoi();
    }
};

TEST_F(JournalEditorTest, CodeFieldHasNoCharacterFilterButEnterValidates)
{
    for (QChar c : QStringLiteral("aZ9 -é"))
        EXPECT_TRUE(editor.Edit1KeyPress(c)) << int(c.unicode());
    EXPECT_TRUE(editor.Edit1KeyPress(ListEditor::kBackspace));

    // Enter validates the code as typed, before it is put in upper case.
    editor.Edit1 = "ve";
    editor.Edit2 = "Ventes";
    EXPECT_FALSE(editor.Edit1KeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items(), QStringList{"ve N Ventes"});

    editor.Edit1 = "AC";
    editor.Edit2 = "Achats";
    EXPECT_FALSE(editor.Edit2KeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items().size(), 2);
    EXPECT_TRUE(editor.focusEdit1);
}

TEST_F(JournalEditorTest, LeavingTheCodeFieldPutsItInUpperCaseWithoutPadding)
{
    editor.Edit1 = "ve";
    editor.Edit1Exit();
    EXPECT_EQ(editor.Edit1, "VE");
    editor.Edit1 = "b";
    editor.Edit1Exit();
    EXPECT_EQ(editor.Edit1, "B");
    editor.Edit1 = "";
    editor.Edit1Exit();
    EXPECT_EQ(editor.Edit1, "");

    add("ve", "Ventes");
    EXPECT_EQ(editor.items(), QStringList{"VE N Ventes"});
}

TEST_F(JournalEditorTest, CodeThatAnEntryBeginsWithIsRefused)
{
    editor.Init({"VE N Ventes"});
    for (const QString code : {"V", "VE", ""}) {
        messages.shown.clear();
        editor.focusEdit1 = false;
        add(code, "Autre");
        EXPECT_EQ(messages.shown, QStringList{"Ce code existe déjà"}) << code.toStdString();
        EXPECT_TRUE(editor.focusEdit1);
        EXPECT_EQ(editor.items(), QStringList{"VE N Ventes"});
    }
    // A two-letter code that only shares the first letter is another journal.
    messages.shown.clear();
    add("VT", "Ventes au comptoir");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(JournalEditorTest, NewJournalsGoToTheEndAndComeBackSorted)
{
    editor.Init({"VE N Ventes", "AC O Achats"});
    EXPECT_EQ(editor.items(), (QStringList{"VE N Ventes", "AC O Achats"})) << "not sorted while open";
    add("bq", "Banque");
    EXPECT_EQ(editor.items().last(), "BQ N Banque");

    QStringList result;
    editor.Result(result);
    EXPECT_EQ(result, (QStringList{"AC O Achats", "BQ N Banque", "VE N Ventes"}));
}

TEST_F(JournalEditorTest, SelectingAndValidatingUnchangedLeavesTheEntryAlone)
{
    editor.Init({"BQ O Banque Populaire  de l'Ouest", "OD N Opérations diverses"});
    editor.ListBox1Click(0);
    EXPECT_EQ(editor.Edit1, "BQ");
    EXPECT_EQ(editor.U, "O");
    EXPECT_EQ(editor.Edit2, "Banque Populaire  de l'Ouest");
    editor.Envoi();
    EXPECT_EQ(editor.items()[0], "BQ O Banque Populaire  de l'Ouest");
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.Edit1.isEmpty());

    // A change keeps the used flag read at selection and tests no duplicate.
    editor.ListBox1Click(1);
    editor.Edit1 = "BQ";
    editor.Edit2 = "Divers";
    editor.Envoi();
    EXPECT_EQ(editor.items()[1], "BQ N Divers");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(JournalEditorTest, UsedJournalCannotBeDeleted)
{
    editor.Init({"VE O Ventes", "AC N Achats"});
    editor.ListBox1Click(0);
    editor.Supprime();
    EXPECT_EQ(messages.shown, QStringList{"Journal dejà utilisé ne peut être supprimé"});
    EXPECT_EQ(editor.items().size(), 2);

    editor.ListBox1Click(1);
    editor.Supprime();
    EXPECT_EQ(editor.items(), QStringList{"VE O Ventes"});
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.Edit1.isEmpty());
    EXPECT_TRUE(editor.Edit2.isEmpty());

    editor.Supprime();
    EXPECT_EQ(editor.items().size(), 1);
    EXPECT_EQ(messages.shown.size(), 1);
}

} // namespace
