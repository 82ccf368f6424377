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

QString MillimetrePage::fitted(const QString &text, int widthMm) const
{
    const int room = across_ * (widthMm - 1);
    if (printer_.textWidth(text) <= room)
        return text;
    const QString ellipsis = QStringLiteral("…");
    // The longest start of the text that fits with its ellipsis.
    qsizetype fits = 0;
    qsizetype tooLong = text.size();
    while (tooLong - fits > 1) {
        const qsizetype middle = (fits + tooLong) / 2;
        if (printer_.textWidth(text.left(middle) + ellipsis) <= room)
            fits = middle;
        else
            tooLong = middle;
    }
    if (fits > 0 && text[fits - 1].isHighSurrogate())
        --fits;
    return text.left(fits) + ellipsis;
}

void MillimetrePage::cell(int x, int y, int widthMm, const QString &text) const
{
    if (!text.isEmpty())
        this->text(x, y, fitted(text, widthMm));
}

void MillimetrePage::rightCell(int x, int y, int widthMm, const QString &text) const
{
    if (!text.isEmpty())
        rightText(x, y, fitted(text, widthMm));
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
