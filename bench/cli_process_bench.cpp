// Whole-process speed and peak memory of tavelin-cli on a ledger of 100,000
// entries (200,000 for the balance against a plain scan): each iteration
// starts the executable, waits for it and reads its resource usage. The executable is found beside this program's build folder
// (../cli/tavelin-cli) or at $TAVELIN_CLI.

#include "LedgerGenerator.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
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

Dossier &dossier(int entries = 100000)
{
    static Dossier d(100000);
    static Dossier large(200000);
    return entries == 200000 ? large : d;
}

// Runs the executable once in the dossier's folder, output to /dev/null;
// returns its peak resident memory in kilobytes, or -1 when it failed.
long runOnce(const std::vector<std::string> &args, const Dossier &where)
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
    const QByteArray cwd = QFile::encodeName(where.dir.path());
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

void runCli(benchmark::State &state, const std::vector<std::string> &args, int entries = 100000)
{
    const Dossier &where = dossier(entries);
    std::vector<std::string> full;
    full.push_back(args.front());
    full.push_back(where.ledger);
    full.insert(full.end(), args.begin() + 1, args.end());
    long peak = 0;
    for (auto _ : state) {
        const long kb = runOnce(full, where);
        if (kb < 0) {
            state.SkipWithError("tavelin-cli failed");
            return;
        }
        peak = std::max(peak, kb);
    }
    state.counters["peak_MB"] = double(peak) / 1024.0;
}

// The yardstick of the balance: the least a program can do to print it, in
// this process — read the file, sum each account's debit and credit cells
// in cents, print one line per account in order.
long long amountCents(std::string_view cell)
{
    long long cents = 0;
    bool negative = false;
    for (char c : cell) {
        if (c == '-')
            negative = true;
        else if (c >= '0' && c <= '9')
            cents = cents * 10 + (c - '0');
    }
    return negative ? -cents : cents;
}

void plainScan(benchmark::State &state)
{
    const std::string path = dossier(200000).ledger;
    for (auto _ : state) {
        std::FILE *in = std::fopen(path.c_str(), "rb");
        std::string text;
        char buffer[1 << 16];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, in)) > 0;)
            text.append(buffer, n);
        std::fclose(in);
        std::map<std::string, std::pair<long long, long long>, std::less<>> sums;
        std::string account;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            std::string_view line(text.data() + start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            start = end + 1;
            if (line.size() < 7 || line[0] < '0' || line[0] > '9')
                continue;
            const std::string_view cell = line.substr(7);
            if (line[6] == '1')
                account.assign(cell);
            else if (line[6] == '5')
                sums[account].first += amountCents(cell);
            else if (line[6] == '6')
                sums[account].second += amountCents(cell);
        }
        std::FILE *out = std::fopen("/dev/null", "w");
        for (const auto &[code, sum] : sums)
            std::fprintf(out, "%s\t%lld\t%lld\n", code.c_str(), sum.first, sum.second);
        std::fclose(out);
    }
}

} // namespace

BENCHMARK(plainScan)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, balance200k, std::vector<std::string>{"balance"}, 200000)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, balance, std::vector<std::string>{"balance"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, verifier, std::vector<std::string>{"verifier"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, resultat, std::vector<std::string>{"resultat"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, mois, std::vector<std::string>{"mois", "200206"})->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runCli, journal, std::vector<std::string>{"journal", "200206"})->UseRealTime()->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
