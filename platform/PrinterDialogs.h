#pragma once

#include <functional>

class Printer;

// The desktop's printer dialogs, all working on the one printer of the
// application: the set-up dialog chooses the printer, the paper and the
// orientation; the page set-up dialog the paper, the orientation and the
// margins; the print dialog confirms a print job. Each returns true when the
// user confirmed it.
class PrinterDialogs {
public:
    virtual ~PrinterDialogs() = default;
    virtual bool setup() = 0;
    virtual bool print() = 0;
    virtual bool pageSetup() = 0;
    // Shows what `run` prints in a preview window, from which the user may
    // also print it. `run` draws on the printer it is given: once for the
    // preview, and again for every print asked from the window.
    virtual void preview(const std::function<void(Printer &)> &run) = 0;
};
