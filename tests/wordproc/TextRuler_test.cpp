#include "wordproc/TextRuler.h"

#include <gtest/gtest.h>

namespace {

using Marker = TextRuler::Marker;

TEST(TextRuler, MarkersStandWhereTheIndentsAre)
{
    const struct {
        RulerIndents indents;
        int width;
        int first, left, right;
    } cases[] = {
        {{0, 0, 0}, 600, 2, 2, 586},
        {{36, -18, 18}, 500, 50, 26, 462},
        {{10, 5, 1}, 400, 15, 22, 385},   // 13.3 and 20 pixels, 9.3 on the right: truncated
        {{20, -20, 0}, 300, 28, 2, 286},  // a hanging first line
        {{0, 30, 72}, 800, 2, 42, 690},
    };
    for (const auto &c : cases) {
        TextRuler ruler;
        ruler.setWidth(c.width);
        ruler.show(c.indents);
        EXPECT_EQ(ruler.markerLeft(Marker::First), c.first) << c.indents.first;
        EXPECT_EQ(ruler.markerLeft(Marker::Left), c.left) << c.indents.left;
        EXPECT_EQ(ruler.markerLeft(Marker::Right), c.right) << c.indents.right;
    }
}

TEST(TextRuler, DraggingKeepsTheMarkersCentreUnderThePointer)
{
    TextRuler ruler;
    ruler.setWidth(600);
    ruler.show({});
    EXPECT_FALSE(ruler.dragging());
    ruler.press(Marker::Left, 9, 40);
    EXPECT_TRUE(ruler.dragging());
    EXPECT_EQ(ruler.markerLeft(Marker::Left), 36) << "half of 9 is 4";
    ruler.move(120);
    EXPECT_EQ(ruler.markerLeft(Marker::Left), 116);
    ruler.move(-50);
    EXPECT_EQ(ruler.markerLeft(Marker::Left), -4) << "the centre stays on the ruler";
    ruler.move(900);
    EXPECT_EQ(ruler.markerLeft(Marker::Left), 596);
    EXPECT_EQ(ruler.markerLeft(Marker::First), 2) << "the other markers stay";
}

TEST(TextRuler, ReleasingTurnsMarkersBackIntoIndents)
{
    const struct {
        Marker marker;
        int markerWidth;
        int pointerX;
        RulerIndents before;
        RulerIndents after;
    } cases[] = {
        // First line to 106: (102 + 4 - 6) x 3/4 = 75; the other lines stay at the margin.
        {Marker::First, 9, 106, {0, 0, 0}, {75, -75, 0}},
        // Left marker to 50: (45 + 5 - 6) x 3/4 = 33, less the first line's 10.
        {Marker::Left, 11, 50, {10, 0, 4}, {10, 23, 4}},
        // Right marker to 500 on 600: (600 + 5 - 495 - 2) x 3/4 - 12 = 69.
        {Marker::Right, 10, 500, {3, 4, 0}, {3, 4, 69}},
        // Truncation: (15 + 4 - 6) x 3/4 = 9.75 gives 9.
        {Marker::First, 9, 19, {0, 0, 0}, {9, -9, 0}},
        // Past the left margin: indents come back to it.
        {Marker::First, 9, 0, {20, 10, 0}, {0, 30, 0}},
        {Marker::Left, 9, 0, {20, 10, 0}, {20, -20, 0}},
        {Marker::Right, 9, 600, {0, 0, 30}, {0, 0, 0}},
    };
    for (const auto &c : cases) {
        TextRuler ruler;
        ruler.setWidth(600);
        ruler.show(c.before);
        ruler.press(c.marker, c.markerWidth, c.pointerX);
        EXPECT_EQ(ruler.release(c.before), c.after) << int(c.marker) << " at " << c.pointerX;
        EXPECT_FALSE(ruler.dragging());
    }
}

TEST(TextRuler, ReleaseWithoutPressChangesNothing)
{
    TextRuler ruler;
    ruler.setWidth(600);
    ruler.show({5, 6, 7});
    ruler.move(300);
    EXPECT_EQ(ruler.release({5, 6, 7}), (RulerIndents{5, 6, 7}));
}

TEST(TextRuler, IndentsConvertToAndFromParagraphFormats)
{
    rtf::ParagraphFormat format;
    format.alignment = rtf::Alignment::Right;
    format.leftIndent = 720;
    format.firstIndent = -360;
    format.rightIndent = 200;
    EXPECT_EQ(rulerIndents(format), (RulerIndents{18, 18, 10}));
    const rtf::ParagraphFormat back = withIndents(format, {18, 18, 10});
    EXPECT_EQ(back, format);
    const rtf::ParagraphFormat moved = withIndents(format, {30, -10, 0});
    EXPECT_EQ(moved.leftIndent, 400);
    EXPECT_EQ(moved.firstIndent, 200);
    EXPECT_EQ(moved.rightIndent, 0);
    EXPECT_EQ(moved.alignment, rtf::Alignment::Right);
}

} // namespace
