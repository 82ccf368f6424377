#pragma once

#include <QStringList>
#include <functional>
#include <string>
#include <string_view>

// tavelin-cli as a function: the arguments in, the texts for standard output
// and standard error and the exit code out.
namespace cli {

struct Streams {
    std::string out;
    std::string err;
    // Set by the program: writes a piece of standard output at once, false
    // when it could not. A long report then goes out as it is made instead
    // of being held whole.
    std::function<bool(std::string_view)> writeOut;

    // Hands what `out` holds to writeOut, when there is one.
    void flushOut();
};

// `args` without the program name. Returns the exit code (ExitCode).
int run(const QStringList &args, Streams &io);

} // namespace cli
