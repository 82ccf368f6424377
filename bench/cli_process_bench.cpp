// Whole-process speed and peak memory of tavelin-cli on a ledger of 100,000
// entries: each iteration starts the executable, waits for it and reads its
// resource usage. The executable is found beside this program's build folder
// (../cli/tavelin-cli) or at $TAVELIN_CLI.

#include "LedgerGenerator.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

std::string cliPath()
{
    if (const char *env = std::getenv("TAVELIN_CLI"))
        return env;
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string dir = n > 0 ? std::string(self, std::size_t(n)) : std::string();
    dir = dir.substr(0, dir.find_last_of('/'));
    return dir + "/../cli/tavelin-cli";
}

void writeFile(const QString &path, const std::string &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
        std::abort();
}

// The folder the runs start in: the ledger, and a chart and journals list
// that know every account and journal the generator uses, so that the check
// looks every one of them up.
struct Dossier {
    QTemporaryDir dir;
    std::string ledger;

    explicit Dossier(int entries)
    {
        writeFile(dir.filePath("compta.jnl"), generateLedger(entries));
        std::string chart;
        for (int cls = 1; cls <= 7; ++cls)
            for (int k = 0; k < 43; ++k)
                chart += std::to_string(cls * 100000 + k * 1000) + " ON Compte " + std::to_string(k) + "\r\n";
        writeFile(dir.filePath("Tavelin.plc"), chart);
        writeFile(dir.filePath("Tavelin.cbx"), "[JOURNAUX]\r\nVE O Ventes\r\nAC O Achats\r\nBQ O Banque\r\n");
        ledger = dir.filePath("compta.jnl").toStdString();
    }
};

Dossier &dossier()
{
    static Dossier d(100000);
    return d;
}

// Runs the executable once in the dossier's folder, output to /dev/null;
// returns its peak resident memory in kilobytes, or -1 when it failed.
long runOnce(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    std::string exe = cliPath();
    argv.push_back(exe.data());
    std::vector<std::string> copy = args;
    for (std::string &a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const QByteArray cwd = QFile::encodeName(dossier().dir.path());
    const QByteArray previous = QFile::encodeName(QDir::currentPath());
    if (::chdir(cwd.constData()) != 0)
        return -1;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (::chdir(previous.constData()) != 0 || spawned != 0)
        return -1;
    int status = 0;
    rusage usage {};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 1 || WEXITSTATUS(status) == 2)
        return -1;
    return usage.ru_maxrss;
}

void runCli(benchmark::State &state, const std::vector<std::string> &args)
{
    std::vector<std::string> full;
    full.push_back(args.front());
    full.push_back(dossier().ledger);
    full.insert(full.end(), args.begin() + 1, args.end());
    long peak = 0;
    for (auto _ : state) {
        const long kb = runOnce(full);
        if (kb < 0) {
            state.SkipWithError("tavelin-cli failed");
            return;
        }
        peak = std::max(peak, kb);
    }
    state.counters["peak_MB"] = double(peak) / 1024.0;
}

} // namespace

BENCHMARK_CAPTURE(runCli, balance, std::vector<std::string>{"balance"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, verifier, std::vector<std::string>{"verifier"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, resultat, std::vector<std::string>{"resultat"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, mois, std::vector<std::string>{"mois", "200206"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, journal, std::vector<std::string>{"journal", "200206"})->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
