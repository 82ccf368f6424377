#include "SharedFolder.h"
#include "TempDir.h"

#include "ledger/FileIO.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Another user of a shared folder swapping a link to the user's file in and
// out at the name the program writes, as fast as it can, while the program
// writes there again and again: whether the program sees the link or not,
// no write goes through it. The link is checked on its own descriptor and
// the file renamed in place relative to the folder's, so nothing the other
// user does between the check and the write can redirect it.

namespace {

// The other user's loop, in a child process that became that user: the
// name is a link to the user's file, then nothing, then the link again.
pid_t swapLinksForEver(const SharedFolder &folder, const QString &name, const QString &victim)
{
    const QByteArray at = QFile::encodeName(folder.file(name));
    const QByteArray spare = QFile::encodeName(folder.file(QStringLiteral("lien-pret")));
    const QByteArray target = QFile::encodeName(victim);
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child != 0)
        return child;
    if (::setgroups(0, nullptr) != 0 || ::setgid(SharedFolder::kOther) != 0 || ::setuid(SharedFolder::kOther) != 0)
        ::_exit(100);
    for (;;) {
        ::symlink(target.constData(), spare.constData());
        ::rename(spare.constData(), at.constData());
        ::unlink(at.constData());
        ::usleep(100); // the name free a moment, so that some writes land there
    }
}

} // namespace

TEST(LinkRace, NoWriteGoesThroughALinkSwappedInWhileTheProgramWrites)
{
    const SharedFolder folder;
    if (!folder.ready())
        GTEST_SKIP() << SharedFolder::kNeedsRoot;
    const std::string precious = "à garder\r\n";
    folder.userFile(QStringLiteral("precieux.txt"), precious);
    const QString victim = folder.file(QStringLiteral("precieux.txt"));
    for (const fileio::NamedBy namedBy : {fileio::NamedBy::Program, fileio::NamedBy::User}) {
        const QString name = QStringLiteral("732829320FEC20021231.txt");
        const pid_t other = swapLinksForEver(folder, name, victim);
        ASSERT_GT(other, 0);
        EXPECT_EQ(folder.asUser([&] {
                      const QString path = folder.file(name);
                      int written = 0;
                      for (int attempt = 0; attempt < 200; ++attempt) {
                          const QString why = fileio::writeAtomically(path, "FEC\r\n", namedBy);
                          if (!why.isEmpty())
                              continue;
                          ++written;
                          // Gone again, so that the other user can plant the link once more.
                          EXPECT_TRUE(QFile::remove(path));
                      }
                      EXPECT_GT(written, 0);
                  }),
                  0);
        ::kill(other, SIGKILL);
        ::waitpid(other, nullptr, 0);
        EXPECT_EQ(readBytes(victim), precious);
    }
}
