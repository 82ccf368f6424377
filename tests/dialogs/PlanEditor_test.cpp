#include "dialogs/PlanEditor.h"

#include "support/FakePlatform.h"

#include <gtest/gtest.h>

namespace {

class PlanEditorTest : public ::testing::Test {
protected:
    FakeMessages messages;
    PlanEditor editor{messages};

    QStringList list() const
    {
        QStringList lines;
        editor.Result(lines);
        return lines;
    }
    // Types a code and a label, leaving the code field as the Tab key does.
    void add(const QString &code, const QString &label)
    {
        editor.Edit1 = code;
        editor.Edit1Exit();
        editor.Edit2 = label;
        editor.Envoi();
    }
    int indexOf(const QString &code) const
    {
        for (int i = 0; i < editor.items().size(); ++i)
            if (editor.items()[i].startsWith(code + u' '))
                return i;
        return -1;
    }
};

TEST_F(PlanEditorTest, CodeFieldTakesDigitsAndBackspaceOnly)
{
    for (QChar c : QStringLiteral("0123456789"))
        EXPECT_TRUE(editor.Edit1KeyPress(c)) << c.toLatin1();
    EXPECT_TRUE(editor.Edit1KeyPress(ListEditor::kBackspace));
    for (QChar c : QStringLiteral("aZ -.,é/"))
        EXPECT_FALSE(editor.Edit1KeyPress(c)) << int(c.unicode());
    EXPECT_TRUE(editor.Edit2KeyPress(u'a'));
    EXPECT_TRUE(editor.items().isEmpty());
}

TEST_F(PlanEditorTest, LeavingTheCodeFieldCompletesItToSixCharacters)
{
    const std::pair<QString, QString> cases[] = {
        {"41", "410000"}, {"4", "400000"}, {"6011", "601100"}, {"512001", "512001"}, {"", "00000"}};
    for (const auto &[typed, completed] : cases) {
        editor.Edit1 = typed;
        editor.Edit1Exit();
        EXPECT_EQ(editor.Edit1, completed) << typed.toStdString();
    }
}

TEST_F(PlanEditorTest, EnterInEitherFieldValidatesAndIsDiscarded)
{
    editor.Edit1 = "41";
    editor.Edit2 = "Clients";
    EXPECT_FALSE(editor.Edit1KeyPress(ListEditor::kEnter));
    // Enter in the code field validates the code as typed, before completion.
    EXPECT_EQ(editor.items(), QStringList{"41 NN Clients"});

    editor.Edit1 = "512000";
    editor.Edit2 = "Banque";
    EXPECT_FALSE(editor.Edit2KeyPress(ListEditor::kEnter));
    EXPECT_EQ(editor.items().size(), 2);
    EXPECT_TRUE(editor.focusEdit1);
    EXPECT_TRUE(editor.Edit1.isEmpty());
    EXPECT_TRUE(editor.Edit2.isEmpty());
}

TEST_F(PlanEditorTest, NewAccountsAreNeverPointableAndKeepTheListSorted)
{
    editor.Init({"512000 NN Banque", "411000 ON Clients", "601000 OO Achats"});
    EXPECT_EQ(editor.items(), (QStringList{"411000 ON Clients", "512000 NN Banque", "601000 OO Achats"}));

    editor.CheckBox1 = true;
    add("44571", "TVA collectée");
    add("1", "Capital");
    EXPECT_EQ(editor.items(), (QStringList{"100000 NN Capital", "411000 ON Clients", "445710 NN TVA collectée",
                                           "512000 NN Banque", "601000 OO Achats"}));
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.CheckBox1) << "the box keeps its state after validating";
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PlanEditorTest, CodeThatAnEntryBeginsWithIsRefused)
{
    editor.Init({"411000 NN Clients"});
    for (const QString code : {"411000", "4110", "4", ""}) {
        messages.shown.clear();
        editor.focusEdit1 = false;
        editor.Edit1 = code;
        editor.Edit2 = "Autre";
        editor.Envoi();
        EXPECT_EQ(messages.shown, QStringList{"Ce compte existe déjà"}) << code.toStdString();
        EXPECT_TRUE(editor.focusEdit1);
        EXPECT_EQ(editor.items().size(), 1);
        EXPECT_EQ(editor.Edit2, "Autre") << "a refused code leaves the fields as typed";
    }
    // A completed code that only shares the start of an entry is another account.
    messages.shown.clear();
    add("41", "Clients et fournisseurs");
    add("412", "Clients douteux");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(editor.items(),
              (QStringList{"410000 NN Clients et fournisseurs", "411000 NN Clients", "412000 NN Clients douteux"}));
}

TEST_F(PlanEditorTest, EmptyCodeIsAcceptedOnlyInAnEmptyList)
{
    editor.Envoi();
    EXPECT_EQ(editor.items(), QStringList{" NN "});
    editor.Envoi();
    EXPECT_EQ(messages.shown, QStringList{"Ce compte existe déjà"});
}

TEST_F(PlanEditorTest, SelectingAnEntryFillsTheFields)
{
    editor.Init({"411000 ON Clients divers", "512000 NO  Banque  ", "601000 N Achats", "sansespace"});
    editor.ListBox1Click(indexOf("411000"));
    EXPECT_EQ(editor.Edit1, "411000");
    EXPECT_EQ(editor.U, "O");
    EXPECT_FALSE(editor.CheckBox1);
    EXPECT_EQ(editor.Edit2, "Clients divers");

    editor.ListBox1Click(indexOf("512000"));
    EXPECT_EQ(editor.U, "N");
    EXPECT_TRUE(editor.CheckBox1);
    EXPECT_EQ(editor.Edit2, "Banque");

    editor.ListBox1Click(indexOf("601000"));
    EXPECT_FALSE(editor.CheckBox1) << "a missing pointable flag reads as not pointable";
    EXPECT_EQ(editor.Edit2, "Achats");

    // An entry without a space is selected but leaves the fields alone.
    const int odd = int(editor.items().indexOf("sansespace"));
    editor.ListBox1Click(odd);
    EXPECT_EQ(editor.ItemIndex, odd);
    EXPECT_EQ(editor.Edit1, "601000");
    EXPECT_EQ(editor.Edit2, "Achats");
}

TEST_F(PlanEditorTest, TickingPointableOnAnExistingAccountMakesItPointable)
{
    add("512", "Banque");
    ASSERT_EQ(editor.items(), QStringList{"512000 NN Banque"});

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
    editor.ListBox1Click(0);
    EXPECT_FALSE(editor.CheckBox1);
    EXPECT_EQ(editor.Edit2, "Banque");
}

TEST_F(PlanEditorTest, ChangingAnEntryKeepsItsUsedFlagAndSkipsTheDuplicateTest)
{
    editor.Init({"411000 O Clients", "601000 OO Achats"});
    editor.ListBox1Click(0);
    editor.Edit2 = "Clients France";
    editor.Envoi();
    EXPECT_EQ(editor.items()[0], "411000 O Clients France");

    editor.ListBox1Click(1);
    EXPECT_TRUE(editor.CheckBox1);
    editor.Edit2 = "Achats de marchandises";
    editor.Envoi();
    EXPECT_EQ(editor.items()[1], "601000 OO Achats de marchandises");

    // The used flag is the one read when the entry was selected.
    editor.ListBox1Click(0);
    editor.Edit1 = "601000";
    editor.CheckBox1 = false;
    editor.Envoi();
    EXPECT_EQ(editor.items()[0], "601000 O Clients France");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(editor.ItemIndex, -1);
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
    EXPECT_EQ(editor.ItemIndex, 0);

    editor.ListBox1Click(1);
    ASSERT_TRUE(editor.CheckBox1);
    editor.Supprime();
    EXPECT_EQ(editor.items(), QStringList{"411000 ON Clients"});
    EXPECT_EQ(editor.ItemIndex, -1);
    EXPECT_TRUE(editor.Edit1.isEmpty());
    EXPECT_TRUE(editor.Edit2.isEmpty());
    EXPECT_FALSE(editor.CheckBox1);
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(PlanEditorTest, ChangedCodeStaysInPlaceUntilTheListIsHandedBack)
{
    editor.Init({"411000 NN Clients", "512000 NN Banque"});
    editor.ListBox1Click(0);
    editor.Edit1 = "601000";
    editor.Edit2 = "Achats";
    editor.Envoi();
    EXPECT_EQ(editor.items(), (QStringList{"601000 N Achats", "512000 NN Banque"}));
    EXPECT_EQ(list(), (QStringList{"512000 NN Banque", "601000 N Achats"}));
}

} // namespace
