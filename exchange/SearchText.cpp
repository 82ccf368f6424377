#include "exchange/SearchText.h"

#include "ledger/Codec1252.h"

#include <array>

namespace exchange {
namespace {

constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> table{};
    for (int b = 0; b < 256; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b);
    for (int b = 'a'; b <= 'z'; ++b)
        table[std::size_t(b)] = static_cast<unsigned char>(b - 0x20);
    // à to þ over À to Þ, the division sign aside.
    for (int b = 0xE0; b <= 0xFE; ++b)
        if (b != 0xF7)
            table[std::size_t(b)] = static_cast<unsigned char>(b - 0x20);
    table[0x9A] = 0x8A; // š Š
    table[0x9C] = 0x8C; // œ Œ
    table[0x9E] = 0x8E; // ž Ž
    table[0xFF] = 0x9F; // ÿ Ÿ
    return table;
}

constexpr std::array<unsigned char, 256> kUpper = makeUpperTable();

} // namespace

unsigned char upperCase(unsigned char byte)
{
    return kUpper[byte];
}

SearchText::SearchText(const QString &text)
{
    for (QChar c : text) {
        const char byte = cp1252::encodeChar(c);
        if (byte == '?' && c != u'?')
            representable_ = false;
        folded_ += char(kUpper[static_cast<unsigned char>(byte)]);
    }
}

bool SearchText::foundIn(std::string_view bytes) const
{
    if (folded_.empty() || !representable_ || bytes.size() < folded_.size())
        return false;
    const auto *hay = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *needle = reinterpret_cast<const unsigned char *>(folded_.data());
    const std::size_t n = folded_.size();
    const std::size_t last = bytes.size() - n;
    const unsigned char first = needle[0];
    for (std::size_t i = 0; i <= last; ++i) {
        if (kUpper[hay[i]] != first)
            continue;
        std::size_t k = 1;
        while (k < n && kUpper[hay[i + k]] == needle[k])
            ++k;
        if (k == n)
            return true;
    }
    return false;
}

bool SearchText::foundIn(const QString &text) const
{
    return foundIn(cp1252::encode(text));
}

} // namespace exchange
