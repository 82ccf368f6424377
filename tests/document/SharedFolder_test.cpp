#include "FakePlatform.h"
#include "SharedFolder.h"
#include "TempDir.h"

#include "desk/MessageBook.h"
#include "desk/Notepad.h"
#include "document/Fiche.h"
#include "ledger/DossierLock.h"
#include "ledger/FileIO.h"
#include "ledger/ReferenceData.h"
#include "yearend/Closing.h"

#include <QDir>
#include <gtest/gtest.h>

// The files the program names itself, written by the user of Tavelin in a
// shared folder where another user planted a symbolic link at their name,
// pointing to a file of the user's: the link is not followed, the user's
// file stays as it was, and the user is told which file was not written.

namespace {

const std::string kDossier = "<HEAD>\r\n01/01/2002\r\n31/12/2002\r\n01/01/2002\r\n</HEAD>\r\n"
                             "2002030" "15/03/2002\r\n" "2002031" "512000\r\n" "2002035" "    10,00\r\n";
const std::string kPrecious = "à garder\r\n";

struct NamedFile {
    const char *name;
    // Writes the file as the program does; what the user is told.
    std::function<QString(Fiche &fiche, FakePlatform &fake)> write;
};

QString refused(const QString &path)
{
    return fileio::saveFailedMessage(path, fileio::foreignLinkReason());
}

} // namespace

TEST(SharedFolder, AnotherUsersLinkAtANameTheProgramChoseIsNotFollowed)
{
    if (!SharedFolder().ready())
        GTEST_SKIP() << SharedFolder::kNeedsRoot;
    const NamedFile files[] = {
        {"Tavelin.soc", [](Fiche &f, FakePlatform &) { return reference::SauveSoc(QDir::current(), f.ledger.ref); }},
        {"Tavelin.ini", [](Fiche &f, FakePlatform &) { return reference::SauveIni(QDir::current(), f.ledger.ref, f.ledger.NomFichier); }},
        {"Tavelin.plc",
         [](Fiche &f, FakePlatform &) {
             f.ledger.ref.PlanModifie = true;
             return reference::SauvePlc(QDir::current(), f.ledger.ref);
         }},
        {"Tavelin.Cbx", [](Fiche &f, FakePlatform &) { return reference::SauveCombo(QDir::current(), f.ledger.ref); }},
        {"Tavelin.nte",
         [](Fiche &, FakePlatform &) { return notepad::Sauve(notepad::path(QDir::currentPath()), QStringLiteral("note")); }},
        {"compta.oms", [](Fiche &f, FakePlatform &) { return MessageBook().Sauve(MessageBook::fileFor(f.ledger.NomFichier)); }},
        {"ANouveau.Txt",
         [](Fiche &f, FakePlatform &fake) {
             fake.clock.date = f.ledger.fiscalYear.end.addDays(1);
             fake.messages.okCancel = {true};
             return yearend::Cloturer(f.ledger).message;
         }},
        {"compta.jnl.bak",
         [](Fiche &f, FakePlatform &fake) {
             f.SetSauve();
             f.Sauve(f.ledger.NomFichier);
             return fake.messages.shown.join(u'\n');
         }},
        {".compta.jnl.verrou",
         [](Fiche &f, FakePlatform &) { return DossierLock().take(f.ledger.NomFichier, QDateTime::currentDateTime()).message; }},
    };
    for (const NamedFile &named : files) {
        const SharedFolder folder;
        const QString dossier = folder.file(QStringLiteral("compta.jnl"));
        const QString precious = folder.file(QStringLiteral("precieux.txt"));
        const QString path = folder.file(QString::fromLatin1(named.name));
        folder.userFile(QStringLiteral("precieux.txt"), kPrecious);
        folder.userFile(QStringLiteral("compta.jnl"), kDossier);
        folder.plant({QStringLiteral("ln"), QStringLiteral("-s"), precious, path});
        QString expected = refused(path);
        if (named.name == std::string_view("compta.jnl.bak")) // the save itself goes through
            expected = fileio::backupFailedMessage(path, fileio::reason(EPERM));
        else if (named.name == std::string_view(".compta.jnl.verrou"))
            expected = QStringLiteral("Le verrou %1 n'est pas un fichier ordinaire : le dossier n'est pas ouvert.").arg(path);
        EXPECT_EQ(folder.asUser([&] {
                      QDir::setCurrent(folder.path());
                      FakePlatform fake;
                      Fiche fiche(fake.platform);
                      ASSERT_TRUE(fiche.Charge(dossier));
                      fake.messages.clear();
                      EXPECT_EQ(named.write(fiche, fake), expected) << named.name;
                  }),
                  0)
            << named.name;
        EXPECT_EQ(readBytes(precious), kPrecious) << named.name;
    }
}

TEST(SharedFolder, TheUsersOwnLinksLeadWhereTheyPoint)
{
    const SharedFolder folder;
    if (!folder.ready())
        GTEST_SKIP() << SharedFolder::kNeedsRoot;
    folder.userFile(QStringLiteral("reel.nte"), "avant\r\n");
    EXPECT_EQ(folder.asUser([&] {
                  ASSERT_EQ(::symlink("reel.nte", QFile::encodeName(folder.file(QStringLiteral("Tavelin.nte"))).constData()), 0);
                  EXPECT_EQ(notepad::Sauve(notepad::path(folder.path()), QStringLiteral("après")), QString());
              }),
              0);
    EXPECT_EQ(readBytes(folder.file(QStringLiteral("reel.nte"))), "apr\xE8s\r\n");
}
