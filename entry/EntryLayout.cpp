#include "entry/EntryLayout.h"

#include <algorithm>

namespace {

constexpr int kTitleTop = 2;
constexpr int kTitleHeight = 20;
constexpr int kFieldTop = kTitleTop + kTitleHeight + 2;
constexpr int kFieldHeight = 22;
constexpr int kGridTop = kFieldTop + kFieldHeight + 4;
constexpr int kBottomStrip = 30;
// Narrower than this the label field and column would shrink to nothing; the
// controls on the right then go out of sight instead.
constexpr int kMinWidth = 640;

} // namespace

EntryLayout EntryLayout::forSize(int w, int h)
{
    w = std::max(w, kMinWidth);
    EntryLayout l;
    l.Header1 = QRect(2, kTitleTop, w - 58, kTitleHeight);
    auto field = [](int left, int width) { return QRect(left, kFieldTop, width, kFieldHeight); };
    l.MaskEdit1 = field(2, 82);
    l.ComboBox1 = field(86, 86);
    l.Edit1 = field(174, w - 532);
    l.ComboBox2 = field(w - 358, 48);
    l.Edit3 = field(w - 308, 52);
    l.Edit4 = field(w - 254, 100);
    l.Edit5 = field(w - 152, 94);
    l.SpeedButton1 = field(w - 56, 40);
    const int gridHeight = std::max(h - kGridTop - kBottomStrip, 3 * kFieldHeight);
    l.StringGrid1 = QRect(2, kGridTop, w - 20, gridHeight);
    const int bottom = kGridTop + gridHeight + (kBottomStrip - kFieldHeight) / 2;
    l.Label1 = QRect(w / 2 - 100, bottom, 200, kFieldHeight);
    l.Edit6 = QRect(w - 254, bottom, 100, kFieldHeight);
    l.Edit7 = QRect(w - 152, bottom, 94, kFieldHeight);
    l.columnWidths = {82, 86, w - 528, 48, 52, 100, 100, 10};
    return l;
}
