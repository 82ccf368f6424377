#include "reports/PageLayout.h"

#include "ledger/Fiche.h"

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

std::vector<int> columnWidths(Page page, int w)
{
    switch (page) {
    case Page::Journal:
    case Page::Comptes: return {82, 86, stretch(w - 528), 48, 52, 100, 100, 10};
    case Page::General: return {82, 86, stretch(w - 464), 48, 100, 100};
    case Page::Balance: return {82, stretch(w - 530), 100, 100, 100, 100};
    case Page::Resultat:
    case Page::Bilan: return {stretch((w - 245) / 2), 100, stretch((w - 245) / 2), 100};
    case Page::Saisie: break;
    }
    return {};
}

std::vector<int> totalFieldLefts(Page page, int w)
{
    switch (page) {
    case Page::Journal:
    case Page::Comptes: return {w - 254, w - 152};
    case Page::General: return {w - 244, w - 142};
    case Page::Balance: return {w - 442, w - 342, w - 242, w - 142};
    default: break;
    }
    return {};
}

int monthTitleLeft(int w)
{
    return w / 2 - 100;
}

} // namespace reports
