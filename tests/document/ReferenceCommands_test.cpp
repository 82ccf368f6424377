#include "FakePlatform.h"
#include "TempDir.h"
#include "Unprivileged.h"

#include "reference/JournalEditor.h"
#include "reference/ChartEditor.h"
#include "reference/SocieteForm.h"
#include "document/Fiche.h"
#include "document/ReferenceCommands.h"
#include "entry/EntryGuides.h"

#include <QDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

// The reference files are written when their dialog closes with a change, and
// a file that could not be read is never written back.

namespace {

const std::string kJournals = "[JOURNAUX]\r\nVE O Ventes\r\n";

struct ReferenceCommandsTest : ::testing::Test {
    CurrentTempDir dir;
    FakePlatform fake;
    Fiche fiche{fake.platform};

    // The editors closed on the document's list and one more line.
    void addJournal(const QString &line)
    {
        JournalEditor editor(fake.messages);
        editor.Init(fiche.ledger.ref.ListeJnx.lines() + QStringList{line});
        document::Journaux(fiche, editor);
    }
    void addAccount(const QString &line)
    {
        ChartEditor editor(fake.messages);
        editor.Init(fiche.ledger.ref.ListePlc.lines() + QStringList{line});
        document::Plc(fiche, editor);
    }
    void setCompany(const QString &name)
    {
        SocieteForm form;
        form.Init(fiche.ledger.ref.Societe);
        form.lineFields[0] = name;
        form.confirmed = true;
        document::Psoc(fiche, form);
    }
    QByteArray native(const QString &name) const { return QFile::encodeName(dir.file(name)); }
};

} // namespace

TEST_F(ReferenceCommandsTest, EachDialogWritesItsFileWhenItClosesWithAChange)
{
    fiche.FormActivate();
    addJournal(QStringLiteral("AC N Achats"));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.Cbx"))), "[JOURNAUX]\r\nAC N Achats\r\n");
    addAccount(QStringLiteral("411000 NN Clients"));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.plc"))), "411000 NN Clients\r\n");
    setCompany(QStringLiteral("SARL Tavelin"));
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.soc"))), "SARL Tavelin\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(ReferenceCommandsTest, ACancelledCompanyDialogWritesNothing)
{
    fiche.FormActivate();
    SocieteForm form;
    form.Init(fiche.ledger.ref.Societe);
    form.lineFields[0] = QStringLiteral("Changé puis annulé");
    document::Psoc(fiche, form);
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("Tavelin.soc"))));
}

TEST_F(ReferenceCommandsTest, AFileThatHoldsTheSameAlreadyIsNotTouched)
{
    writeBytes(dir.file(QStringLiteral("Tavelin.Cbx")), kJournals);
    const struct timespec old[2] = {{1'000'000'000, 0}, {1'000'000'000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, native(QStringLiteral("Tavelin.Cbx")).constData(), old, 0), 0);
    fiche.FormActivate();
    JournalEditor editor(fake.messages);
    editor.Init(fiche.ledger.ref.ListeJnx);
    document::Journaux(fiche, editor);
    EXPECT_EQ(QFileInfo(dir.file(QStringLiteral("Tavelin.Cbx"))).lastModified().toSecsSinceEpoch(), 1'000'000'000);
}

TEST_F(ReferenceCommandsTest, AFailedWriteSaysWhyAndKeepsTheChange)
{
    fiche.FormActivate();
    // Where the journals file should be stands a folder: no user may write it.
    QDir(dir.path()).mkdir(QStringLiteral("Tavelin.Cbx"));
    addJournal(QStringLiteral("AC N Achats"));
    EXPECT_EQ(fake.messages.shown,
              QStringList{QStringLiteral("%1 n'est pas un fichier ordinaire").arg(dir.file(QStringLiteral("Tavelin.Cbx")))});
    EXPECT_EQ(fiche.ledger.ref.ListeJnx, QStringList{"AC N Achats"});
}

TEST_F(ReferenceCommandsTest, AFileThatCouldNotBeReadIsNeverWrittenBack)
{
    unprivileged::handOver(dir.path());
    EXPECT_EQ(unprivileged::run([&] {
                  const std::pair<QString, std::string> files[] = {
                      {QStringLiteral("Tavelin.cbx"), kJournals},
                      {QStringLiteral("Tavelin.plc"), "411000 ON Clients\r\n"},
                      {QStringLiteral("Tavelin.soc"), "SARL Tavelin\r\n\r\n\r\n\r\n\r\n\r\n\r\n"},
                      {QStringLiteral("Tavelin.ini"), " 0.00000000000000E+0000\r\n\r\n0\r\nVE\r\n\r\n\r\n\r\n\r\n\r\n\r\n\r\n"},
                  };
                  for (const auto &[name, bytes] : files) {
                      writeBytes(dir.file(name), bytes);
                      ASSERT_EQ(::chmod(native(name).constData(), 0), 0);
                  }
                  fiche.FormActivate();
                  EXPECT_EQ(fake.messages.shown.size(), 4);
                  fake.messages.shown.clear();

                  addJournal(QStringLiteral("AC N Achats"));
                  addAccount(QStringLiteral("512000 NN Banque"));
                  setCompany(QStringLiteral("Autre société"));
                  fiche.ledger.ref.PlanModifie = true;
                  EXPECT_TRUE(fiche.ledger.saveReferenceFiles().isEmpty());
                  EXPECT_TRUE(fake.messages.shown.isEmpty());
                  for (const auto &[name, bytes] : files) {
                      ASSERT_EQ(::chmod(native(name).constData(), 0600), 0);
                      EXPECT_EQ(readBytes(dir.file(name)), bytes) << name.toStdString();
                  }
                  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);
                  EXPECT_EQ(fiche.ledger.unreadReferenceMessages(),
                            (QStringList{
                                QStringLiteral("Le fichier %1 n'a pas pu être lu au démarrage : il a été laissé tel quel.")
                                    .arg(dir.file(QStringLiteral("Tavelin.ini"))),
                                QStringLiteral("Le fichier %1 n'a pas pu être lu au démarrage : il a été laissé tel quel.")
                                    .arg(dir.file(QStringLiteral("Tavelin.soc"))),
                                QStringLiteral("Le fichier %1 n'a pas pu être lu au démarrage : il a été laissé tel quel.")
                                    .arg(dir.file(QStringLiteral("Tavelin.plc"))),
                                QStringLiteral("Le fichier %1 n'a pas pu être lu au démarrage : il a été laissé tel quel.")
                                    .arg(dir.file(QStringLiteral("Tavelin.cbx")))}));
              }),
              0);
}

TEST_F(ReferenceCommandsTest, FilesAreWrittenToTheFolderTheyWereReadFrom)
{
    fiche.FormActivate();
    CurrentTempDir elsewhere; // a folder made current after the start
    addJournal(QStringLiteral("AC N Achats"));
    EXPECT_TRUE(QFile::exists(dir.file(QStringLiteral("Tavelin.Cbx"))));
    EXPECT_TRUE(QDir(elsewhere.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(ReferenceCommandsTest, TheGuidesAreWrittenToTheSettingsFileAtTheirPlaceAndReadBack)
{
    fiche.FormActivate();
    GuidesForm form;
    form.Init({"VE", "411000", "706000", "445710", "AC", "401000", "607000", "445660"}, {}, {});
    document::Guides(fiche, form);
    EXPECT_EQ(readBytes(dir.file(QStringLiteral("Tavelin.ini"))), " 0.00000000000000E+0000\r\n\r\n0\r\n"
                                                                  "VE\r\n411000\r\n706000\r\n445710\r\n"
                                                                  "AC\r\n401000\r\n607000\r\n445660\r\n");

    Fiche next{fake.platform};
    next.ledger.ChargeIni();
    EXPECT_EQ(guides::of(next.ledger.ref), form.fields);
}
