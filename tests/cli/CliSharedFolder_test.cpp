#include "CliProcess.h"
#include "SharedFolder.h"
#include "TempDir.h"

#include <gtest/gtest.h>

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
