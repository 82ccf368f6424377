#pragma once

#include "wordproc/RtfDocument.h"

#include <array>

// The indents of a paragraph as the ruler counts them, in points: the first
// line from the left margin, the other lines from the first line, the right
// edge from the right margin.
struct RulerIndents {
    int first = 0;
    int left = 0;
    int right = 0;

    bool operator==(const RulerIndents &) const = default;
};

RulerIndents rulerIndents(const rtf::ParagraphFormat &format);
// The paragraph format with the ruler's indents, everything else kept.
rtf::ParagraphFormat withIndents(rtf::ParagraphFormat format, const RulerIndents &indents);

// The word processor's ruler: where its three markers stand for the current
// paragraph's indents (screen pixels, 4/3 of a point), and how dragging one
// turns back into indents. Positions are the markers' left edges in the
// ruler's client area; the text starts 6 pixels in.
class TextRuler {
public:
    enum class Marker { First, Left, Right };

    void setWidth(int width) { width_ = width; }
    int width() const { return width_; }

    // Puts the markers where the paragraph's indents are.
    void show(const RulerIndents &indents);
    int markerLeft(Marker marker) const { return lefts_[index(marker)]; }

    // The mouse goes down on a marker: its centre jumps under the pointer.
    void press(Marker marker, int markerWidth, int pointerX);
    // While dragging, the marker's centre follows the pointer, on the ruler.
    void move(int pointerX);
    bool dragging() const { return dragging_; }
    // The mouse comes up: the indents the markers now stand for, from the
    // paragraph's `current` ones. Indents that would put text left of the
    // margin or past the right one are brought back to it.
    RulerIndents release(const RulerIndents &current);

private:
    static std::size_t index(Marker marker) { return std::size_t(marker); }

    int width_ = 0;
    std::array<int, 3> lefts_{};
    bool dragging_ = false;
    int offset_ = 0; // half the dragged marker's width
    Marker dragged_ = Marker::First;
};
