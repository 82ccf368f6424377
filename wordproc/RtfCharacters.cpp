#include "wordproc/RtfCharacters.h"

#include "ledger/Codec1252.h"

#include <QStringDecoder>
#include <array>
#include <utility>

namespace rtf {
namespace {

// The symbol font's characters for bytes 0x20 to 0x7E and 0xA0 to 0xDF; the
// rest of its page reads as Latin-1.
constexpr char16_t kSymbolLow[] =
    u" !\u2200#\u2203%&\u220B()\u2217+,\u2212./0123456789:;<=>?"
    u"\u2245\u0391\u0392\u03A7\u0394\u0395\u03A6\u0393\u0397\u0399\u03D1\u039A\u039B\u039C\u039D\u039F"
    u"\u03A0\u0398\u03A1\u03A3\u03A4\u03A5\u03C2\u03A9\u039E\u03A8\u0396[\u2234]\u22A5_"
    u"\u203E\u03B1\u03B2\u03C7\u03B4\u03B5\u03C6\u03B3\u03B7\u03B9\u03D5\u03BA\u03BB\u03BC\u03BD\u03BF"
    u"\u03C0\u03B8\u03C1\u03C3\u03C4\u03C5\u03D6\u03C9\u03BE\u03C8\u03B6{|}\u223C";
constexpr char16_t kSymbolHigh[] =
    u"\u20AC\u03D2\u2032\u2264\u2044\u221E\u0192\u2663\u2666\u2665\u2660\u2194\u2190\u2191\u2192\u2193"
    u"\u00B0\u00B1\u2033\u2265\u00D7\u221D\u2202\u2022\u00F7\u2260\u2261\u2248\u2026\u23D0\u23AF\u21B5"
    u"\u2135\u2111\u211C\u2118\u2297\u2295\u2205\u2229\u222A\u2283\u2287\u2284\u2282\u2286\u2208\u2209"
    u"\u2220\u2207\u00AE\u00A9\u2122\u220F\u221A\u22C5\u00AC\u2227\u2228\u21D4\u21D0\u21D1\u21D2\u21D3";
static_assert(std::size(kSymbolLow) == 0x7F - 0x20 + 1);
static_assert(std::size(kSymbolHigh) == 0xE0 - 0xA0 + 1);

QChar symbolChar(unsigned char byte)
{
    if (byte >= 0x20 && byte < 0x7F)
        return QChar(kSymbolLow[byte - 0x20]);
    if (byte >= 0xA0 && byte < 0xE0)
        return QChar(kSymbolHigh[byte - 0xA0]);
    return QChar(char16_t(byte));
}

const char *codePageName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 28591: return "ISO-8859-1";
    case 65001: return "UTF-8";
    default: return nullptr;
    }
}

} // namespace

int codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: return kSymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 255: return 437;
    default: return 0;
    }
}

QString cleanFontName(QString name)
{
    name.removeIf([](QChar c) {
        return c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029 || c == u';' || c == u'{'
            || c == u'}' || c == u'\\';
    });
    return name.trimmed();
}

QChar namedCharacter(std::string_view word)
{
    static constexpr std::pair<std::string_view, char16_t> kNamed[] = {
        {"tab", u'\t'},        {"line", 0x2028},     {"emdash", 0x2014},   {"endash", 0x2013},
        {"emspace", 0x2003},   {"enspace", 0x2002},  {"qmspace", 0x2005},  {"bullet", 0x2022},
        {"lquote", 0x2018},    {"rquote", 0x2019},   {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"zwj", 0x200D},       {"zwnj", 0x200C},     {"zwbo", 0x200B},     {"ltrmark", 0x200E},
        {"rtlmark", 0x200F},
    };
    for (const auto &[name, c] : kNamed)
        if (name == word)
            return QChar(c);
    return {};
}

CodePageDecoder::CodePageDecoder() = default;

CodePageDecoder::~CodePageDecoder() = default;

QStringDecoder *CodePageDecoder::decoderFor(int codePage)
{
    const auto found = decoders_.find(codePage);
    if (found != decoders_.end())
        return found->second.get();
    std::unique_ptr<QStringDecoder> decoder;
    if (const char *name = codePageName(codePage)) {
        decoder = std::make_unique<QStringDecoder>(name, QStringConverter::Flag::Stateless);
        if (!decoder->isValid())
            decoder.reset();
    }
    return decoders_.emplace(codePage, std::move(decoder)).first->second.get();
}

void CodePageDecoder::decodeAppend(QString &out, std::string_view bytes, int codePage)
{
    if (codePage == kSymbolCodePage) {
        for (const char b : bytes)
            out += symbolChar(static_cast<unsigned char>(b));
        return;
    }
    if (codePage != kAnsiCodePage) {
        if (QStringDecoder *decoder = decoderFor(codePage)) {
            out += decoder->decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
            return;
        }
    }
    const qsizetype start = out.size();
    out.resize(start + qsizetype(bytes.size()));
    QChar *d = out.data() + start;
    for (const char b : bytes)
        *d++ = cp1252::decodeChar(static_cast<unsigned char>(b));
}

} // namespace rtf
