#pragma once

namespace cli {

// What the process tells the script that ran it.
enum ExitCode {
    ExitOk = 0,
    ExitUnreadable = 1, // a file could not be read or written
    ExitRefused = 1,    // a calculator refused the figures, or the closing was refused, with the window's message
    ExitUsage = 2,      // a wrong command, argument or option
    ExitFindings = 3,   // the check found something to correct
    ExitNothingFound = 3, // the search found no row
};

} // namespace cli
