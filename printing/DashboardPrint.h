#pragma once

class Printer;

#include <vector>

namespace reports {
struct Dashboard;
struct OutstandingPart;
}

namespace printing {

// The dashboard on one page: its title and fiscal year, then each chart drawn
// in lines (bars filled by close hatching or left open, so that they read in
// grey) with the table of its figures under it; what is owed in the parts
// given, one column each. False when the printer refused the job.
bool printDashboard(Printer &printer, const reports::Dashboard &dashboard,
                    const std::vector<reports::OutstandingPart> &outstanding);

} // namespace printing
