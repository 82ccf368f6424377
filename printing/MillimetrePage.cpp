#include "printing/MillimetrePage.h"

#include "platform/Printer.h"

namespace printing {

MillimetrePage::MillimetrePage(Printer &printer) : printer_(printer)
{
    const int widthMm = printer.horizontalSize();
    const int heightMm = printer.verticalSize();
    if (widthMm <= 0 || heightMm <= 0)
        return;
    across_ = printer.pageWidth() / widthMm;
    down_ = printer.pageHeight() / heightMm;
    heightMm_ = heightMm;
    heightDots_ = printer.pageHeight();
}

bool MillimetrePage::fits(int y) const
{
    return Mv(y) + printer_.lineHeight() <= heightDots_;
}

void MillimetrePage::text(int x, int y, const QString &text) const
{
    if (!text.isEmpty())
        printer_.textOut(Mh(x), Mv(y), text);
}

void MillimetrePage::rightText(int x, int y, const QString &text) const
{
    if (!text.isEmpty())
        printer_.textOut(Mh(x) - printer_.textWidth(text), Mv(y), text);
}

void MillimetrePage::horizontalLine(int y, int x1, int x2) const
{
    printer_.moveTo(Mh(x1), Mv(y));
    printer_.lineTo(Mh(x2), Mv(y));
}

void MillimetrePage::verticalLine(int x, int y1, int y2) const
{
    printer_.moveTo(Mh(x), Mv(y1));
    printer_.lineTo(Mh(x), Mv(y2));
}

void MillimetrePage::frame(int x1, int y1, int x2, int y2) const
{
    printer_.rectangle(Mh(x1), Mv(y1), Mh(x2), Mv(y2));
}

} // namespace printing
