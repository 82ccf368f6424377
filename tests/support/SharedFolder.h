#pragma once

#include "Unprivileged.h"

#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <pwd.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

// A folder every user may write, sticky as /tmp is: a small office's shared
// folder. Two users with no rights beyond their own meet there: the one who
// runs Tavelin ("nobody", as in Unprivileged.h) and another (a user id no
// account has), who plants whatever could harm the first. Playing them takes
// root: without it `ready()` is false and the test skips, saying why.
class SharedFolder {
public:
    static constexpr uid_t kOther = 64000;
    static constexpr const char *kNeedsRoot = "two users in a shared folder need root to be played";

    SharedFolder()
    {
        const passwd *user = unprivileged::nobody();
        if (!unprivileged::asRoot() || !user)
            return;
        user_ = user->pw_uid;
        group_ = user->pw_gid;
        ready_ = ::chmod(QFile::encodeName(dir_.path()).constData(), 01777) == 0;
    }

    bool ready() const { return ready_; }
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return dir_.filePath(name); }

    // A file of the user's, as the user would have written it.
    void userFile(const QString &name, std::string_view bytes) const
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes.data(), qint64(bytes.size()));
        f.close();
        ASSERT_EQ(::chown(QFile::encodeName(f.fileName()).constData(), user_, group_), 0);
    }

    // Runs a program in the folder as the other user (`asUser` false) or as
    // the user (setpriv); its exit code, -1 when it did not end within 20 s.
    int run(bool asUser, const QString &program, const QStringList &args, QByteArray *err = nullptr) const
    {
        const QString id = QString::number(asUser ? user_ : kOther);
        const QString group = QString::number(asUser ? group_ : kOther);
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        process.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=") + id,
                                                             QStringLiteral("--regid=") + group,
                                                             QStringLiteral("--clear-groups"), QStringLiteral("--"), program}
                                                     + args);
        if (!process.waitForFinished(20000)) {
            process.kill();
            process.waitForFinished();
            return -1;
        }
        if (err)
            *err = process.readAllStandardError();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    // What the other user plants in the folder: `ln -s`, `mkfifo`, ...
    void plant(const QStringList &command) const
    {
        ASSERT_EQ(run(false, command.front(), command.mid(1)), 0) << command.join(u' ').toStdString();
    }

    // Runs `checks` in a child process that became the user; 0 when they all held.
    int asUser(const std::function<void()> &checks) const { return unprivileged::run(checks); }

private:
    QTemporaryDir dir_;
    bool ready_ = false;
    uid_t user_ = 0;
    gid_t group_ = 0;
};
