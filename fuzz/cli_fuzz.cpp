#include "FuzzFiles.h"

#include "cli/Cli.h"

#include <QStringList>

// tavelin-cli run in-process: the input's first part is the command line
// (one argument a line, "@" standing for the dossier's path, "%" for the
// import file's and "#" for an output file's), the second the dossier, the
// third the file to import.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const fuzz::InScratch inScratch;
    const std::vector<std::string> input = fuzz::parts(data, size, 3);
    const QString dossier = fuzz::scratchFile(QStringLiteral("cli.jnl"));
    const QString importFile = fuzz::scratchFile(QStringLiteral("cli.txt"));
    writeBytes(dossier, input[1]);
    writeBytes(importFile, input[2]);

    QStringList args;
    for (QString arg : QString::fromUtf8(input[0]).split(u'\n', Qt::SkipEmptyParts)) {
        if (args.size() == 8)
            break;
        if (arg == u'@')
            arg = dossier;
        else if (arg == u'%')
            arg = importFile;
        else if (arg == u'#')
            arg = fuzz::scratchFile(QStringLiteral("sortie.txt"));
        else
            arg.replace(u'/', u'_'); // any other file named stays in the scratch folder
        args.append(arg);
    }
    cli::Streams io;
    const int code = cli::run(args, io);
    FUZZ_CHECK(code >= 0 && code <= 10);
    return 0;
}
