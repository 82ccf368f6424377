#pragma once

#include <QString>

class Printer;

namespace printing {

// A printer page addressed in whole millimetres from a fixed left margin of
// 10 mm and top margin of 5 mm inside the device's printable area. The dots
// per millimetre are truncated to whole numbers, so that every text, line and
// frame of a print run lands on the same scale, slightly short of true
// millimetres on most devices (23 dots a millimetre at 600 dots an inch).
class MillimetrePage {
public:
    explicit MillimetrePage(Printer &printer);

    // False when the device reports no printable area to lay a page out on.
    bool usable() const { return across_ > 0 && down_ > 0; }
    // The printable height in millimetres: a listing breaks its page once the
    // line position passes it.
    int heightMm() const { return heightMm_; }

    int Mh(int x) const { return across_ * (x + 10); }
    int Mv(int y) const { return down_ * (y + 5); }

    // Whether a line of text in the current font written at y ends inside
    // the printable area.
    bool fits(int y) const;

    // Writes with the text's top-left corner at (x, y); an empty text writes nothing.
    void text(int x, int y, const QString &text) const;
    // Writes a text ending at the right edge x, in the current font.
    void rightText(int x, int y, const QString &text) const;
    // A cell of a column widthMm wide, from x rightwards, or leftwards to x
    // for a right-aligned cell: a text wider than its column, less a
    // millimetre kept from the next one, is cut with "…" rather than written
    // over its neighbour.
    void cell(int x, int y, int widthMm, const QString &text) const;
    void rightCell(int x, int y, int widthMm, const QString &text) const;
    void horizontalLine(int y, int x1, int x2) const;
    void verticalLine(int x, int y1, int y2) const;
    void frame(int x1, int y1, int x2, int y2) const;

private:
    QString fitted(const QString &text, int widthMm) const;

    Printer &printer_;
    int across_ = 0;
    int down_ = 0;
    int heightMm_ = 0;
    int heightDots_ = 0;
};

} // namespace printing
