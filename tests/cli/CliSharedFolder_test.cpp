#include "CliProcess.h"
#include "SharedFolder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// tavelin-cli importer run by the user of Tavelin in a shared folder where
// another user planted something at the lock's name: nothing is written
// through it, nothing blocks, and the dossier is left as it was.

namespace {

const std::string kEmptyDossier = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n";

} // namespace

TEST(CliSharedFolder, WhatAnotherUserPlantsAtTheLocksNameIsRefused)
{
    if (!SharedFolder().ready())
        GTEST_SKIP() << SharedFolder::kNeedsRoot;
    const QString lock = QStringLiteral(".compta.jnl.verrou");
    const QStringList plants[] = {
        {QStringLiteral("ln"), QStringLiteral("-s"), QStringLiteral("precieux.txt"), lock}, // written through before
        {QStringLiteral("mkfifo"), lock},                                                   // opening blocked for ever
        {QStringLiteral("ln"), QStringLiteral("-s"), QStringLiteral("/dev/zero"), lock},     // read up to 1 GiB
        {QStringLiteral("mkdir"), lock},
    };
    for (const QStringList &plant : plants) {
        const SharedFolder folder;
        folder.userFile(QStringLiteral("precieux.txt"), "à garder\r\n");
        folder.userFile(QStringLiteral("compta.jnl"), kEmptyDossier);
        folder.userFile(QStringLiteral("releve.txt"), "15/03/2002\t512000\tVirement\tBQ\t\t10,00\r\n");
        folder.plant(plant);
        QByteArray err;
        EXPECT_EQ(folder.run(true, cliExecutable(), {QStringLiteral("importer"), QStringLiteral("compta.jnl"),
                                                     QStringLiteral("releve.txt")},
                             &err),
                  1)
            << plant.join(u' ').toStdString();
        EXPECT_EQ(QString::fromUtf8(err),
                  QStringLiteral("Le verrou %1 n'est pas un fichier ordinaire : le dossier n'est pas ouvert.\n").arg(lock));
        EXPECT_EQ(readBytes(folder.file(QStringLiteral("precieux.txt"))), "à garder\r\n");
        EXPECT_EQ(readBytes(folder.file(QStringLiteral("compta.jnl"))), kEmptyDossier);
    }
}

// tavelin-cli writing at a name the user gave, in a shared folder where
// another user planted a link at that name to a file of the user's: the
// link is not followed (the kernel's rule for links in sticky folders,
// which the program's own following of links would bypass), the user's file
// stays as it was, and the user is told. The user's own link is followed.
TEST(CliSharedFolder, AnotherUsersLinkAtTheOutputTheUserNamedIsNotFollowed)
{
    if (!SharedFolder().ready())
        GTEST_SKIP() << SharedFolder::kNeedsRoot;
    const struct {
        const char *command;
        const char *output;
        const char *link;   // planted at this name
        const char *target; // pointing there
        const char *victim; // the user's file the link leads to
    } cases[] = {
        {"exporter", "export.txt", "export.txt", "precieux.txt", "precieux.txt"},
        {"cloture", "ANouveau.Txt", "ANouveau.Txt", "precieux.txt", "precieux.txt"},
        // A link on the way to the file, to a folder of the user's.
        {"exporter", "sortie/export.txt", "sortie", "prive", "prive/export.txt"},
    };
    for (const auto &c : cases) {
        for (const bool plantedByUser : {false, true}) {
            SCOPED_TRACE(std::string(c.output) + (plantedByUser ? " (the user's link)" : " (another user's link)"));
            const SharedFolder folder;
            const QString output = QString::fromLatin1(c.output);
            const QString victim = QString::fromLatin1(c.victim);
            ASSERT_EQ(folder.run(true, QStringLiteral("mkdir"), {QStringLiteral("prive")}), 0);
            folder.userFile(victim, "à garder\r\n");
            folder.userFile(QStringLiteral("compta.jnl"), kEmptyDossier);
            ASSERT_EQ(folder.run(plantedByUser, QStringLiteral("ln"),
                                 {QStringLiteral("-s"), QString::fromLatin1(c.target), QString::fromLatin1(c.link)}),
                      0);
            QByteArray err;
            const int exitCode = folder.run(
                true, cliExecutable(), {QString::fromLatin1(c.command), QStringLiteral("compta.jnl"), QStringLiteral("--sortie"), output},
                &err);
            if (plantedByUser) {
                EXPECT_EQ(exitCode, 0) << err.toStdString();
                EXPECT_NE(readBytes(folder.file(victim)), "à garder\r\n");
                continue;
            }
            EXPECT_EQ(exitCode, 1);
            EXPECT_EQ(QString::fromUtf8(err),
                      QStringLiteral("Impossible d'enregistrer le fichier %1 : c'est un lien symbolique d'un autre "
                                     "utilisateur.\n")
                          .arg(output));
            EXPECT_EQ(readBytes(folder.file(victim)), "à garder\r\n");
        }
    }
}

// The reconciliation rules "Tavelin.rap" replaced by a FIFO that another
// program holds open: reading it would wait for ever, with the dossier
// locked. It is refused at once as no regular file.
TEST(CliSharedFolder, AFifoAtANameTheProgramReadsIsRefusedWithoutWaiting)
{
    const SharedFolder folder;
    if (!folder.ready())
        GTEST_SKIP() << SharedFolder::kNeedsRoot;
    folder.userFile(QStringLiteral("compta.jnl"), kEmptyDossier);
    folder.userFile(QStringLiteral("releve.csv"), "Date;Libellé;Montant\r\n15/03/2002;Virement;10,00\r\n");
    const QByteArray fifo = QFile::encodeName(folder.file(QStringLiteral("Tavelin.rap")));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0666), 0);
    const int holder = ::open(fifo.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC); // a writer that never writes
    ASSERT_GE(holder, 0);
    QByteArray err;
    // The rules unread, the statement is still listed, without their proposals.
    EXPECT_EQ(folder.run(true, cliExecutable(), {QStringLiteral("rapprocher"), QStringLiteral("compta.jnl"), QStringLiteral("releve.csv")}, &err),
              0);
    EXPECT_EQ(QString::fromUtf8(err), QStringLiteral("Impossible de lire le fichier %1 : ce n'est pas un fichier ordinaire.\n")
                                          .arg(folder.file(QStringLiteral("Tavelin.rap"))));
    ::close(holder);
}
