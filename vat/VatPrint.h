#pragma once

#include <QString>

class Printer;

namespace vat {

struct VatReturn;

// The return printed on one page: its title, the company, the period, then
// the eight lines with their numbers, captions and figures. False when the
// printer refused the job.
bool printReturn(Printer &printer, const VatReturn &vatReturn, const QString &company);

} // namespace vat
