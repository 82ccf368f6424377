#include "app/MainForm.h"
#include "document/Fiche.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>

// A user without books: the welcome page until a chart exists or a dossier
// is opened, and the books made from the assistant's answers.

namespace {

using Box = FakeMessages::Box;

class NewBooksStartTest : public ::testing::Test {
protected:
    NewBooksStartTest() : fiche(fake.platform), form(fiche, fake.platform) {}

    void start()
    {
        fiche.FormActivate();
        form.FormShow();
    }
    newbooks::Answers answers() const
    {
        newbooks::Answers a = form.proposedBooks();
        a.company = QStringLiteral("SARL Dupont");
        a.siren = QStringLiteral("732829320");
        return a;
    }

    CurrentTempDir dir;
    FakePlatform fake;
    Fiche fiche;
    MainForm form;
};

} // namespace

TEST_F(NewBooksStartTest, TheWelcomeStandsUntilAChartExistsOrADossierIsOpened)
{
    const QString dossier = dir.file(QStringLiteral("compta.jnl"));
    writeBytes(dossier, "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n");
    struct Case {
        const char *fileAdded; // to the start-up folder, before the start
        std::function<void(MainForm &)> choice;
        bool welcome;
    };
    const auto nothing = [](MainForm &) {};
    const Case cases[] = {
        {"", nothing, true},
        {"Tavelin.cbx", nothing, true},
        {"", [](MainForm &f) { f.openChosen(); }, true}, // the open dialog cancelled
        {"", [&](MainForm &f) { f.openRecent(dossier); }, false},
        {"Tavelin.plc", nothing, false},
    };
    for (const Case &c : cases) {
        if (*c.fileAdded)
            writeBytes(dir.file(QString::fromLatin1(c.fileAdded)), "");
        Fiche other(fake.platform);
        MainForm otherForm(other, fake.platform);
        other.FormActivate();
        otherForm.FormShow();
        c.choice(otherForm);
        EXPECT_EQ(otherForm.welcomeShown(), c.welcome) << c.fileAdded;
    }
}

TEST_F(NewBooksStartTest, TheBooksMadeAreLoadedAndTheirDossierOpensOnItsFirstMonth)
{
    start();
    ASSERT_TRUE(form.welcomeShown());
    const newbooks::Answers a = answers();
    EXPECT_EQ(a.dossier, dir.file(QStringLiteral("compta-2002.jnl")));
    ASSERT_TRUE(form.createBooks(a));
    EXPECT_TRUE(fake.messages.shown.isEmpty()) << fake.messages.shown.join(u'\n').toStdString();
    EXPECT_FALSE(form.welcomeShown());
    EXPECT_EQ(form.title(), QStringLiteral("Tavelin - [compta-2002.jnl]"));
    EXPECT_EQ(fiche.ledger.Mois, 1);
    EXPECT_EQ(fiche.ledger.ref.Societe[0], QStringLiteral("SARL Dupont"));
    EXPECT_EQ(fiche.ledger.ref.journalItems, (QStringList{"AC", "AN", "BQ", "CA", "OD", "VT"}));
    EXPECT_EQ(fiche.ledger.ref.accountItems.size(), 320);
    // The exit writes the same reference files back.
    const std::string chart = readBytes(dir.file(QStringLiteral("Tavelin.plc")));
    EXPECT_TRUE(fiche.ledger.saveReferenceFiles().isEmpty());
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.plc"))), chart);
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.Cbx"))).substr(0, 29), "[JOURNAUX]\r\nAN N A-nouveaux\r\n");
}

TEST_F(NewBooksStartTest, RefusalsAndKeptFilesReachTheUser)
{
    writeBytes(dir.file(QStringLiteral("Tavelin.soc")), "Ancienne\r\n");
    start();
    newbooks::Answers wrong = answers();
    wrong.siren = QStringLiteral("123456789");
    EXPECT_FALSE(form.createBooks(wrong));
    EXPECT_FALSE(form.createBooks(answers())); // the user keeps the company file
    const std::vector<FakeMessages::Shown> told = {
        {Box::Information,
         QStringLiteral("Le SIREN « 123456789 » n'est pas valide : il compte 9 chiffres, le dernier étant la clé de "
                        "contrôle.")},
        {Box::WarningOkCancel, newbooks::replaceQuestion({dir.file(QStringLiteral("Tavelin.soc"))})}};
    EXPECT_EQ(fake.messages.boxes, told);
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.soc"))), "Ancienne\r\n");
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("compta-2002.jnl"))));
    EXPECT_TRUE(form.welcomeShown());
}
