#include "entry/EntryLayout.h"

#include <algorithm>

namespace {

constexpr int kTitleTop = 2;
constexpr int kTitleHeight = 20;
constexpr int kFieldTop = kTitleTop + kTitleHeight + 2;
constexpr int kFieldHeight = 22;
constexpr int kGridTop = kFieldTop + kFieldHeight + 4;
constexpr int kBottomStrip = 30;
constexpr int kMinGridHeight = 3 * kFieldHeight;
// Narrower than this the label field and column would shrink to nothing; the
// controls on the right then go out of sight instead.
constexpr int kMinWidth = 640;
constexpr int kVoucherWidth = 52;
// A wide voucher takes its room from the label, down to this width.
constexpr int kMinLabelWidth = 150;

} // namespace

QSize EntryLayout::minimumSize()
{
    return {kMinWidth, kGridTop + kMinGridHeight + kBottomStrip};
}

EntryLayout EntryLayout::forSize(int w, int h, int voucherWidth)
{
    w = std::max(w, kMinWidth);
    const int wider = std::clamp(voucherWidth - kVoucherWidth, 0, std::max(0, w - 532 - kMinLabelWidth));
    EntryLayout l;
    l.columnTitles = QRect(2, kTitleTop, w - 58, kTitleHeight);
    auto field = [](int left, int width) { return QRect(left, kFieldTop, width, kFieldHeight); };
    l.dateField = field(2, 82);
    l.accountField = field(86, 86);
    l.labelField = field(174, w - 532 - wider);
    l.journalField = field(w - 358 - wider, 48);
    l.voucherField = field(w - 308 - wider, kVoucherWidth + wider);
    l.debitField = field(w - 254, 100);
    l.creditField = field(w - 152, 94);
    l.postButton = field(w - 56, 40);
    const int gridHeight = std::max(h - kGridTop - kBottomStrip, kMinGridHeight);
    l.monthGrid = QRect(2, kGridTop, w - 20, gridHeight);
    const int bottom = kGridTop + gridHeight + (kBottomStrip - kFieldHeight) / 2;
    l.monthCaption = QRect(w / 2 - 100, bottom, 200, kFieldHeight);
    l.debitTotal = QRect(w - 254, bottom, 100, kFieldHeight);
    l.creditTotal = QRect(w - 152, bottom, 94, kFieldHeight);
    l.columnWidths = {82, 86, w - 528 - wider, 48, kVoucherWidth + wider, 100, 100, 10};
    return l;
}
