#pragma once

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// File rights are what some tests are about, and root ignores them. Such a
// test runs its checks in a child process that, when the tests run as root,
// first becomes the unprivileged user "nobody"; run as any other user, the
// child keeps that user, who has no rights beyond its own either. The checks
// are the usual EXPECT_ macros: their failures print from the child, whose
// exit status tells the parent.
namespace unprivileged {

inline bool asRoot()
{
    return ::geteuid() == 0;
}

inline const passwd *nobody()
{
    return ::getpwnam("nobody");
}

// Gives a file or folder made by the test to the user the checks run as.
inline void handOver(const QString &path)
{
    if (const passwd *user = nobody(); user && asRoot()) {
        EXPECT_EQ(::chown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid), 0);
    }
}

// Runs `checks` in the child; 0 when they all held.
inline int run(const std::function<void()> &checks)
{
    std::fflush(stdout);
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        if (asRoot()) {
            const passwd *user = nobody();
            if (!user || ::setgroups(0, nullptr) != 0 || ::setgid(user->pw_gid) != 0 || ::setuid(user->pw_uid) != 0)
                ::_exit(100);
        }
        checks();
        std::fflush(stdout);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace unprivileged
