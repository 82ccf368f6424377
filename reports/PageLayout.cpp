#include "reports/PageLayout.h"

#include <algorithm>

namespace reports {
namespace {

// A column never gets narrower than this, however small the window.
constexpr int kNarrowest = 20;

int stretch(int width)
{
    return std::max(kNarrowest, width);
}

} // namespace

std::vector<int> columnWidths(View view, int w)
{
    switch (view) {
    case View::Journal:
    case View::Comptes: return {82, 86, stretch(w - 528), 48, 52, 100, 100, 10};
    case View::General: return {82, 86, stretch(w - 464), 48, 100, 100};
    case View::Balance: return {82, stretch(w - 530), 100, 100, 100, 100};
    case View::Resultat: return {stretch((w - 245) / 2), 100, stretch((w - 245) / 2), 100};
    // The assets' three figures (gross, write-downs, net) and the
    // liabilities' one, the two captions sharing what they leave.
    case View::Bilan: return {stretch((w - 445) / 2), 100, 100, 100, stretch((w - 445) / 2), 100};
    }
    return {};
}

std::vector<int> totalFieldLefts(View view, int w)
{
    switch (view) {
    case View::Journal:
    case View::Comptes: return {w - 254, w - 152};
    case View::General: return {w - 244, w - 142};
    case View::Balance: return {w - 442, w - 342, w - 242, w - 142};
    default: break;
    }
    return {};
}

int monthTitleLeft(int w)
{
    return w / 2 - 100;
}

} // namespace reports
