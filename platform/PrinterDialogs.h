#pragma once

// The desktop's printer dialogs, both working on the one printer of the
// application: the set-up dialog chooses the printer, the paper and the
// orientation; the print dialog confirms a print job. Each returns true when
// the user confirmed it.
class PrinterDialogs {
public:
    virtual ~PrinterDialogs() = default;
    virtual bool setup() = 0;
    virtual bool print() = 0;
};
