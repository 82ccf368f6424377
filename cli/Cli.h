#pragma once

#include <QStringList>
#include <string>

// tavelin-cli as a function: the arguments in, the texts for standard output
// and standard error and the exit code out.
namespace cli {

struct Streams {
    std::string out;
    std::string err;
};

// `args` without the program name. Returns the exit code (ExitCode).
int run(const QStringList &args, Streams &io);

} // namespace cli
