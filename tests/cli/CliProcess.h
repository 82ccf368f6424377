#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the built tavelin-cli as a script would: in a given folder, arguments
// in, standard output, standard error and exit code out.

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }
    // Standard output cut into lines and cells, as a script reads it.
    QList<QStringList> rows() const
    {
        QList<QStringList> result;
        QString text = outText();
        if (text.endsWith(u'\n'))
            text.chop(1);
        if (text.isEmpty())
            return result;
        for (const QString &line : text.split(u'\n'))
            result.append(line.split(u'\t'));
        return result;
    }
};

inline QString cliExecutable()
{
    const QString dir = qEnvironmentVariable("TAVELIN_TEST_BINARY_DIR");
    if (!dir.isEmpty())
        return dir + QStringLiteral("/cli/tavelin-cli");
    // Run by hand from the build folder: the test program lives in build/tests.
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget().section(u'/', 0, -3) +
           QStringLiteral("/cli/tavelin-cli");
}

inline CliRun runCli(const QStringList &args, const QString &workDir)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    process.start(cliExecutable(), args);
    CliRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}
