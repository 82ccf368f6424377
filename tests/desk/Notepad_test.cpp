#include "support/TempDir.h"
#include "desk/Notepad.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Notepad, TheNotesFileStandsInTheStartUpFolderBehindOneSeparator)
{
    const struct {
        const char *startFolder;
        const char *path;
    } cases[] = {
        {"/home/marie/compta", "/home/marie/compta/Tavelin.nte"},
        {"/home/marie/compta/", "/home/marie/compta/Tavelin.nte"},
        {"/", "/Tavelin.nte"},
        {"//srv//partage", "/srv/partage/Tavelin.nte"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(notepad::path(QString::fromUtf8(c.startFolder)), QString::fromUtf8(c.path)) << c.startFolder;
}

TEST(Notepad, ALineOfTheNotesIsALineOfThePage)
{
    EXPECT_EQ(notepad::lines(QString()), QStringList());
    EXPECT_EQ(notepad::lines(QStringLiteral("un")), QStringList{"un"});
    EXPECT_EQ(notepad::lines(QStringLiteral("un\n\ntrois")), (QStringList{"un", "", "trois"}));
    EXPECT_EQ(notepad::lines(QStringLiteral("un\n")), (QStringList{"un", ""}));
    // Pasted text may bring its own line ends.
    EXPECT_EQ(notepad::lines(QStringLiteral("un\r\ndeux\rtrois")), (QStringList{"un", "deux", "trois"}));
}

TEST(Notepad, AMissingFileIsAnEmptyPageAndIsNotCreated)
{
    QTemporaryDir dir;
    const QString path = notepad::path(dir.path());
    QString text = QStringLiteral("reste");
    EXPECT_EQ(notepad::Charge(path, text), "");
    EXPECT_EQ(text, "");
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(Notepad, NotesAreReadAndWrittenInCodePage1252WithCrLf)
{
    QTemporaryDir dir;
    const QString path = notepad::path(dir.path());
    writeBytes(path, "Appeler M. L\xe9vy\r\n\r\n\x80 100 \xe0 payer\r\n");
    QString text;
    EXPECT_EQ(notepad::Charge(path, text), "");
    EXPECT_EQ(text, QString::fromUtf8("Appeler M. Lévy\n\n€ 100 à payer"));

    EXPECT_EQ(notepad::Sauve(path, text + QStringLiteral("\nfin\n")), "");
    EXPECT_EQ(readBytes(path), "Appeler M. L\xe9vy\r\n\r\n\x80 100 \xe0 payer\r\nfin\r\n\r\n");
    // Read back, the page is the one written: its empty lines kept.
    EXPECT_EQ(notepad::Charge(path, text), "");
    EXPECT_EQ(text, QString::fromUtf8("Appeler M. Lévy\n\n€ 100 à payer\nfin\n"));

    // An emptied page leaves an empty file.
    EXPECT_EQ(notepad::Sauve(path, QString()), "");
    EXPECT_EQ(readBytes(path), "");
}

TEST(Notepad, FilesWithOtherLineEndsRead)
{
    QTemporaryDir dir;
    const QString path = notepad::path(dir.path());
    writeBytes(path, "un\ndeux\rtrois");
    QString text;
    EXPECT_EQ(notepad::Charge(path, text), "");
    EXPECT_EQ(text, "un\ndeux\ntrois");
}

TEST(Notepad, AFileThatCannotBeReadOrWrittenIsSaid)
{
    QTemporaryDir dir;
    // A folder where the notes file should be cannot be read.
    const QString folder = notepad::path(dir.path());
    ASSERT_TRUE(QDir().mkdir(folder));
    QString text = QStringLiteral("reste");
    EXPECT_EQ(notepad::Charge(folder, text),
              QString::fromUtf8("Impossible de lire le fichier %1 : le chemin désigne un dossier.").arg(folder));
    EXPECT_EQ(text, "reste");

    const QString nowhere = notepad::path(dir.filePath(QStringLiteral("disparu")));
    EXPECT_EQ(notepad::Sauve(nowhere, QStringLiteral("note")),
              QString::fromUtf8("Impossible d'enregistrer le fichier %1 : fichier ou dossier introuvable.").arg(nowhere));
}
