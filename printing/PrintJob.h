#pragma once

#include "printing/MillimetrePage.h"

#include <QString>

class Printer;

namespace printing {

// One print document on the millimetre grid of the printer's page, begun in
// Arial 10 points when made and ended when it goes out of scope, however the
// print run leaves, so that the next print can always start.
class PrintJob {
public:
    explicit PrintJob(Printer &printer);
    ~PrintJob();
    PrintJob(const PrintJob &) = delete;
    PrintJob &operator=(const PrintJob &) = delete;

    // False when the device reports no printable area or refused the job:
    // nothing is to be drawn.
    bool started() const { return started_; }
    const MillimetrePage &page() const { return page_; }

private:
    Printer &printer_;
    MillimetrePage page_;
    bool started_ = false;
};

} // namespace printing
