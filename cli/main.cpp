#include "cli/Cli.h"
#include "cli/ExitCode.h"
#include "ledger/FileIO.h"

#include <QFile>
#include <cerrno>
#include <cstdio>

namespace {

bool writeAll(std::FILE *stream, const std::string &text)
{
    return std::fwrite(text.data(), 1, text.size(), stream) == text.size() && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args.append(QFile::decodeName(argv[i]));
    cli::Streams io;
    int code = cli::run(args, io);
    writeAll(stderr, io.err);
    // A listing cut short by a full disk must not pass for a complete one.
    if (!writeAll(stdout, io.out)) {
        const QByteArray why = fileio::reason(errno).toUtf8();
        std::fprintf(stderr, "tavelin-cli : impossible d'écrire la sortie : %s.\n", why.constData());
        code = cli::ExitUnreadable;
    }
    return code;
}
