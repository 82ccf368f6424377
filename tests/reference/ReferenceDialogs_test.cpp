#include "reference/ReferenceDialogs.h"

#include "reference/JournalEditor.h"
#include "reference/ChartEditor.h"
#include "reference/SocieteForm.h"
#include "ledger/ReferenceData.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

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

template <class Editor>
void addEntry(Editor &e, const QString &code, const QString &label)
{
    e.codeField = code;
    e.codeFieldExit();
    e.labelField = label;
    e.Envoi();
}

TEST(ReferenceDialogs, ChartEditorClosedTwiceLeavesEachCodeOnceAndMarksTheChart)
{
    ReferenceData ref;
    ref.ListePlc = {"512000 NN Banque"};
    openEditor<ChartEditor>(ref, ref.ListePlc, dialogs::Plc, [](ChartEditor &e) { addEntry(e, "411", "Clients"); });
    ref.PlanModifie = false;
    openEditor<ChartEditor>(ref, ref.ListePlc, dialogs::Plc, [](ChartEditor &) {});
    EXPECT_TRUE(ref.PlanModifie) << "set even when nothing changed";
    EXPECT_EQ(ref.ListePlc, (QStringList{"411000 NN Clients", "512000 NN Banque"}));
    EXPECT_EQ(ref.accountItems, (QStringList{"411000", "512000"}));
}

TEST(ReferenceDialogs, JournalsEditorClosedTwiceLeavesEachCodeOnceSorted)
{
    ReferenceData ref;
    ref.ListeJnx = {"VE O Ventes"};
    openEditor<JournalEditor>(ref, ref.ListeJnx, dialogs::Journaux, [](JournalEditor &e) { addEntry(e, "ac", "Achats"); });
    openEditor<JournalEditor>(ref, ref.ListeJnx, dialogs::Journaux, [](JournalEditor &) {});
    EXPECT_EQ(ref.ListeJnx, (QStringList{"AC N Achats", "VE O Ventes"}));
    EXPECT_EQ(ref.journalItems, (QStringList{"AC", "VE"}));
    EXPECT_FALSE(ref.PlanModifie);
}

TEST(ReferenceDialogs, CompanyLinesChangeOnlyOnOkWithACompanyName)
{
    const std::array<QString, 7> before = {"SARL Tavelin", "12 rue des Lilas", "", "69000 LYON", "Tél 04", "", "SIRET"};
    ReferenceData ref;
    ref.Societe = before;
    SocieteForm form;
    form.Init(before);
    form.lineFields[4] = "Tél 05";

    EXPECT_FALSE(dialogs::Psoc(ref, form)) << "cancelled";
    form.confirmed = true;
    form.lineFields[0].clear();
    EXPECT_FALSE(dialogs::Psoc(ref, form)) << "confirmed without a company name";
    EXPECT_EQ(ref.Societe, before);

    form.lineFields[0] = "SARL Tavelin";
    EXPECT_TRUE(dialogs::Psoc(ref, form));
    std::array<QString, 7> expected = before;
    expected[4] = "Tél 05";
    EXPECT_EQ(ref.Societe, expected);
}

TEST(ReferenceDialogs, CancelledCompanyResultEmptiesOnlyTheFirstLine)
{
    SocieteForm form;
    form.Init({"A", "B", "C", "D", "E", "F", "G"});
    std::array<QString, 7> out = {"1", "2", "3", "4", "5", "6", "7"};
    form.Result(out);
    EXPECT_EQ(out, (std::array<QString, 7>{"", "2", "3", "4", "5", "6", "7"}));
}

TEST(ReferenceDialogs, PastedLineBreaksStayOnTheirLineInTheReferenceFiles)
{
    CurrentTempDir dir;
    const QDir folder(dir.path());
    ReferenceData ref;
    ref.ListePlc = {"512000 NN Banque"};
    ref.ListeJnx = {"VE O Ventes"};
    openEditor<ChartEditor>(ref, ref.ListePlc, dialogs::Plc, [](ChartEditor &e) {
        addEntry(e, "411", "Clients\r\n401000 NN Fournisseurs");
        e.entrySelected(1);
        e.labelField = "Banque\tcourante";
        e.Envoi();
    });
    openEditor<JournalEditor>(ref, ref.ListeJnx, dialogs::Journaux,
                              [](JournalEditor &e) { addEntry(e, "ac", "Achats\nBQ N Banque"); });
    SocieteForm form;
    form.Init({"SARL Tavelin\n12 rue des Lilas", "", "", "", "", "", "SIRET"});
    form.confirmed = true;
    ASSERT_TRUE(dialogs::Psoc(ref, form));
    ASSERT_EQ(reference::SauvePlc(folder, ref), QString());
    ASSERT_EQ(reference::SauveCombo(folder, ref), QString());
    ASSERT_EQ(reference::SauveSoc(folder, ref), QString());

    ReferenceData back;
    ASSERT_EQ(reference::ChargePlc(folder, back), QString());
    ASSERT_EQ(reference::ChargeCombo(folder, back), QString());
    ASSERT_EQ(reference::ChargeSoc(folder, back), QString());
    EXPECT_EQ(back.ListePlc, (QStringList{"411000 NN Clients  401000 NN Fournisseurs", "512000 N Banque courante"}));
    EXPECT_EQ(back.ListeJnx, (QStringList{"AC N Achats BQ N Banque", "VE O Ventes"}));
    EXPECT_EQ(back.Societe[0], "SARL Tavelin 12 rue des Lilas");
    EXPECT_EQ(back.Societe[6], "SIRET") << "the letterhead keeps its seven lines in place";
}

} // namespace
