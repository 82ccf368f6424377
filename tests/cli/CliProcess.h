#pragma once

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <string>

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

// The eight lines of one entry of the month `key`, as the application stores
// them; the voucher is "P" and the day.
inline std::string entry(const std::string &key, const std::string &date, const std::string &account, const std::string &label,
                  const std::string &journal, const std::string &debit, const std::string &credit,
                  const std::string &mark = "")
{
    const std::string cells[8] = {date, account, label, journal, "P" + date.substr(0, 2), debit, credit, mark};
    std::string out;
    for (int c = 0; c < 8; ++c)
        out += key + char('0' + c) + cells[c] + "\r\n";
    return out;
}
