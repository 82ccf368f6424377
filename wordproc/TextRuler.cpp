#include "wordproc/TextRuler.h"

#include <QtGlobal>
#include <algorithm>

namespace {

constexpr int kTwipsPerPoint = 20;
constexpr int kTextStart = 6; // the text area's left margin, in pixels

// Points to pixels and back, truncated towards zero as integer division does.
int toPixels(int points)
{
    return points * 4 / 3;
}

int toPoints(int pixels)
{
    return pixels * 3 / 4;
}

} // namespace

RulerIndents rulerIndents(const rtf::ParagraphFormat &format)
{
    const auto points = [](int twips) { return qRound(double(twips) / kTwipsPerPoint); };
    return RulerIndents{points(format.leftIndent + format.firstIndent), points(-format.firstIndent),
                        points(format.rightIndent)};
}

rtf::ParagraphFormat withIndents(rtf::ParagraphFormat format, const RulerIndents &indents)
{
    format.leftIndent = (indents.first + indents.left) * kTwipsPerPoint;
    format.firstIndent = -indents.left * kTwipsPerPoint;
    format.rightIndent = indents.right * kTwipsPerPoint;
    return format;
}

void TextRuler::show(const RulerIndents &indents)
{
    lefts_[index(Marker::First)] = toPixels(indents.first) + 2;
    lefts_[index(Marker::Left)] = toPixels(indents.left + indents.first) + 2;
    lefts_[index(Marker::Right)] = width_ - toPixels(indents.right + 6) - 6;
}

void TextRuler::press(Marker marker, int markerWidth, int pointerX)
{
    dragged_ = marker;
    offset_ = markerWidth / 2;
    dragging_ = true;
    move(pointerX);
}

void TextRuler::move(int pointerX)
{
    if (!dragging_)
        return;
    lefts_[index(dragged_)] = std::clamp(pointerX, 0, std::max(width_, 0)) - offset_;
}

RulerIndents TextRuler::release(const RulerIndents &current)
{
    if (!dragging_)
        return current;
    dragging_ = false;
    RulerIndents indents = current;
    const auto fromLeft = [this](Marker marker) { return toPoints(markerLeft(marker) + offset_ - kTextStart); };
    switch (dragged_) {
    case Marker::First:
        indents.first = std::max(fromLeft(Marker::First), 0);
        indents.left = fromLeft(Marker::Left) - indents.first;
        break;
    case Marker::Left:
        indents.left = fromLeft(Marker::Left) - indents.first;
        break;
    case Marker::Right:
        indents.right = std::max(toPoints(width_ + offset_ - markerLeft(Marker::Right) - 2) - 12, 0);
        break;
    }
    indents.left = std::max(indents.left, -indents.first);
    return indents;
}
