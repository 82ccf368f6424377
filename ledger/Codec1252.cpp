#include "ledger/Codec1252.h"

#include <array>

namespace cp1252 {
namespace {

// Characters of bytes 0x80 to 0x9F; the rest of the page is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QChar decodeChar(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kHigh[byte - 0x80]);
    return QChar(char16_t(byte));
}

char encodeChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == u)
            return char(0x80 + i);
    return '?';
}

QString decode(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    QString out(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *d = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        d[i] = decodeChar(static_cast<unsigned char>(bytes[i]));
    return out;
}

void encodeAppend(std::string &out, QStringView text)
{
    const std::size_t start = out.size();
    out.resize(start + std::size_t(text.size()));
    char *d = out.data() + start;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        d[i] = u < 0x80 ? char(u) : encodeChar(text[i]);
    }
}

void decodeInto(QString &out, std::string_view bytes)
{
    out.resize(qsizetype(bytes.size()));
    QChar *d = out.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        d[i] = decodeChar(static_cast<unsigned char>(bytes[i]));
}

std::string encode(QStringView text)
{
    std::string out;
    encodeAppend(out, text);
    return out;
}

} // namespace cp1252
