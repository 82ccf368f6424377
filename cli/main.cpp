#include "cli/Cli.h"
#include "cli/ExitCode.h"
#include "ledger/FileIO.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <string_view>

namespace {

bool writeAll(std::FILE *stream, std::string_view text)
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
    int outError = 0;
    io.writeOut = [&outError](std::string_view text) {
        if (outError == 0 && !writeAll(stdout, text))
            outError = errno;
        return outError == 0;
    };
    int code = cli::run(args, io);
    writeAll(stderr, io.err);
    io.flushOut();
    // A listing cut short by a full disk must not pass for a complete one.
    if (outError != 0) {
        const QByteArray why = fileio::reason(outError).toUtf8();
        std::fprintf(stderr, "tavelin-cli : impossible d'écrire la sortie : %s.\n", why.constData());
        code = cli::ExitUnreadable;
    }
    return code;
}
