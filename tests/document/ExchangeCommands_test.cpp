#include "FakePlatform.h"
#include "LedgerOnScreen.h"
#include "TempDir.h"
#include "LedgerText.h"

#include "document/ExchangeCommands.h"
#include "document/Fiche.h"
#include "document/ReportCommands.h"
#include "document/YearEndCommands.h"

#include <gtest/gtest.h>

// The import, export, search and closing commands on the document: what the
// entry page and the pages shown become, and what the user is told.

namespace {

const std::string kYear = kHeader2002 +
                          entriesText("200201", {{"05/01/2002", "613000", "Loyer janvier", "BQ", "", "500,00", "", ""}}) +
                          entriesText("200204", {{"05/04/2002", "613000", "Loyer avril", "BQ", "", "500,00", "", ""}});

const QStringList kKeyed{QStringLiteral("07/03/2002"), QStringLiteral("401000"), QStringLiteral("Saisie en cours"),
                         QStringLiteral("AC"), {}, {}, QStringLiteral("20,00"), {}};

struct DocumentCommandsTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Fiche fiche{fake.platform};

    void SetUp() override
    {
        openAt(fiche.ledger, kYear, 2002, 3);
        fiche.LitMois();
    }
    void typeInEntryLine() { fiche.entry.panel.label = QStringLiteral("à moitié tapé"); }
};

} // namespace

TEST_F(DocumentCommandsTest, AnImportShowsTheImportedEntriesOfTheMonthOnScreenAndTellsHowMany)
{
    keyEntry(fiche.ledger, kKeyed);
    typeInEntryLine();
    const QString path = dir.file(QStringLiteral("releve.txt"));
    writeBytes(path, "08/03/2002\t512000\tVirement\tBQ\t\t\t20,00\r\n");
    fake.fileDialogs.openAnswers.push_back(path);
    document::Importer(fiche);

    EXPECT_TRUE(fiche.ledger.Modifie);
    ASSERT_EQ(gridRows(fiche.ledger).size(), 2);
    EXPECT_EQ(gridRows(fiche.ledger)[0][2], QStringLiteral("Saisie en cours"));
    EXPECT_EQ(gridRows(fiche.ledger)[1][2], QStringLiteral("Virement"));
    EXPECT_EQ(fiche.entry.monthCreditTotal.trimmed(), QStringLiteral("40,00"));
    EXPECT_TRUE(fiche.entry.panel.label.isEmpty());
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("1 écriture importée.")});
}

TEST_F(DocumentCommandsTest, AnImportWhileTheJournalIsShownRebuildsIt)
{
    document::Journal(fiche);
    const QString path = dir.file(QStringLiteral("releve.txt"));
    writeBytes(path, "08/03/2002\t512000\tVirement\tBQ\t\t\t20,00\r\n");
    fake.fileDialogs.openAnswers.push_back(path);
    document::Importer(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Journal);
    EXPECT_EQ(fiche.views.journal.grid.at(1, 2), QStringLiteral("Virement"));
}

TEST_F(DocumentCommandsTest, AFailedExportIsTold)
{
    fake.fileDialogs.saveAnswers.push_back(dir.file(QStringLiteral("absent/mars.txt")));
    document::ExportMois(fiche);
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_TRUE(fake.messages.shown[0].startsWith(QStringLiteral("Impossible d'enregistrer le fichier ")));
    EXPECT_TRUE(fake.messages.shown[0].endsWith(QStringLiteral("fichier ou dossier introuvable.")));
}

TEST_F(DocumentCommandsTest, TheSearchShowsTheFoundMonthOnTheEntryPage)
{
    fake.searchPrompt.answers.push_back(QStringLiteral("LOYER"));
    document::Rechercher(fiche);
    EXPECT_EQ(fiche.ledger.Mois, 1);
    EXPECT_EQ(fiche.entry.monthCaption, QStringLiteral("Janvier 2002"));
    EXPECT_EQ(gridRows(fiche.ledger).value(0).value(2), QStringLiteral("Loyer janvier"));
    document::RContinuer(fiche);
    EXPECT_EQ(fiche.ledger.Mois, 4);
    document::RContinuer(fiche);
    EXPECT_EQ(fiche.ledger.Mois, 4);
    EXPECT_EQ(fake.messages.shown, QStringList{QStringLiteral("Aucune écriture trouvée")});
}

TEST_F(DocumentCommandsTest, EntriesKeyedBeforeASearchAreThereWhenTheUserComesBack)
{
    keyEntry(fiche.ledger, kKeyed);
    fake.searchPrompt.answers.push_back(QStringLiteral("avril"));
    document::Rechercher(fiche);
    ASSERT_EQ(fiche.ledger.Mois, 4);
    fiche.Precedent();
    EXPECT_EQ(gridRows(fiche.ledger).value(0).value(2), QStringLiteral("Saisie en cours"));
}

TEST_F(DocumentCommandsTest, RechercherActsOnlyFromTheEntryPage)
{
    document::Journal(fiche);
    fake.searchPrompt.answers.push_back(QStringLiteral("loyer"));
    document::Rechercher(fiche);
    EXPECT_EQ(fake.searchPrompt.calls, 0);
    EXPECT_EQ(fiche.ledger.Mois, 3);
}

TEST_F(DocumentCommandsTest, ContinuerOnTheJournalReadsTheFoundMonthWithoutLeavingThePage)
{
    fake.searchPrompt.answers.push_back(QStringLiteral("loyer"));
    document::Rechercher(fiche);
    document::Journal(fiche);
    document::RContinuer(fiche);
    EXPECT_EQ(fiche.ActivePage, Page::Journal);
    EXPECT_EQ(fiche.ledger.Mois, 4);
    EXPECT_EQ(gridRows(fiche.ledger).value(0).value(2), QStringLiteral("Loyer avril"));
    EXPECT_EQ(fiche.views.journal.grid.at(1, 2), QStringLiteral("Loyer avril"));
}

TEST_F(DocumentCommandsTest, TheClosingWritesBesideTheReferenceFilesAndTellsARefusal)
{
    fake.clock.date = QDate(2003, 1, 15);
    fake.messages.okCancel.push_back(true);
    EXPECT_FALSE(document::Cloturer(fiche));
    EXPECT_EQ(fake.messages.shown, (QStringList{QStringLiteral("Clôturer l'exercice en cours ?"),
                                                QStringLiteral("Clôturer définitivement l'exercice ? Les écritures "
                                                               "ne pourront plus être modifiées."),
                                                QStringLiteral("Écritures d'ouverture écrites dans %1.")
                                                    .arg(dir.file(QStringLiteral("ANouveau.Txt")))}));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("ANouveau.Txt"))), "01/01/2003\t129000\t\tAN\t\t1000,00\r\n");

    fiche.ledger.fiscalYear.closing = QDate(2002, 12, 31);
    document::Cloturer(fiche);
    EXPECT_EQ(fake.messages.shown.last(), QStringLiteral("Exercice déjà clôturé"));
}
