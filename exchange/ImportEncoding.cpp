#include "exchange/ImportEncoding.h"

#include "ledger/Codec1252.h"

#include <QString>
#include <algorithm>

namespace exchange {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}

} // namespace

bool holdsHighBytes(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) > 127; });
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        std::size_t length;
        unsigned char low = 0x80; // bounds of the second byte, which rule out
        unsigned char high = 0xBF; // overlong forms, surrogates and too-large values
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0)
                low = 0xA0;
            else if (b == 0xED)
                high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0)
                low = 0x90;
            else if (b == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high)
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if (!isContinuation(static_cast<unsigned char>(bytes[i + k])))
                return false;
        i += length;
    }
    return true;
}

Cp1252Text toCp1252(std::string bytes)
{
    Cp1252Text result;
    if (!holdsHighBytes(bytes) || !isValidUtf8(bytes)) {
        result.bytes = std::move(bytes);
        return result;
    }
    result.fromUtf8 = true;
    std::string_view utf8 = bytes;
    if (utf8.substr(0, kByteOrderMark.size()) == kByteOrderMark)
        utf8.remove_prefix(kByteOrderMark.size());
    const QString text = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    result.bytes.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // One character beyond the first 65,536: one "?".
            result.bytes += '?';
            ++result.replaced;
            ++i;
            continue;
        }
        const char byte = cp1252::encodeChar(c);
        if (byte == '?' && c != u'?')
            ++result.replaced;
        result.bytes += byte;
    }
    return result;
}

} // namespace exchange
