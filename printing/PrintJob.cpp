#include "printing/PrintJob.h"

#include "platform/Printer.h"

namespace printing {

PrintJob::PrintJob(Printer &printer) : printer_(printer), page_(printer)
{
    if (!page_.usable())
        return;
    printer.setFontName(QStringLiteral("Arial"));
    printer.setFontSize(10);
    started_ = printer.beginDocument();
}

PrintJob::~PrintJob()
{
    if (started_)
        printer_.endDocument();
}

} // namespace printing
