#include "entry/MonthOrder.h"

#include "ledger/Codec1252.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace entry {
namespace {

// The first two bytes of a date cell as one number that orders like the byte
// strings: a missing byte sorts before every byte.
int dayKey(const QString &date)
{
    int key = 0;
    for (int i = 0; i < 2; ++i) {
        key *= 257;
        if (i < date.size())
            key += static_cast<unsigned char>(cp1252::encodeChar(date[i])) + 1;
    }
    return key;
}

} // namespace

void Tri(TextGrid &grid, int rows)
{
    std::vector<int> keys(std::size_t(std::max(rows, 0)));
    for (int r = 0; r < rows; ++r)
        keys[std::size_t(r)] = dayKey(grid.at(r, 0));
    for (int i = 0; i < rows - 1; ++i) {
        for (int j = i + 1; j < rows; ++j) {
            if (keys[std::size_t(i)] > keys[std::size_t(j)]) {
                grid.swapRows(i, j);
                std::swap(keys[std::size_t(i)], keys[std::size_t(j)]);
            }
        }
    }
}

} // namespace entry
