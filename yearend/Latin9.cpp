#include "yearend/Latin9.h"

#include <array>

namespace latin9 {
namespace {

// What each byte of code page 1252 becomes; a byte that stays itself has an
// empty text here.
struct Mapping {
    std::array<std::string_view, 256> plain{};
    std::array<char, 256> moved{}; // a Latin-9 byte of its own, or 0
    std::array<bool, 256> changes{}; // the byte does not stay itself

    Mapping()
    {
        for (int c = 0; c < 0x20; ++c)
            plain[c] = " ";
        // The letters and the euro sign that Latin-9 has at other places.
        const std::pair<unsigned char, unsigned char> places[] = {
            {0x80, 0xA4}, {0x8A, 0xA6}, {0x9A, 0xA8}, {0x8E, 0xB4},
            {0x9E, 0xB8}, {0x8C, 0xBC}, {0x9C, 0xBD}, {0x9F, 0xBE}};
        for (const auto &[from, to] : places)
            moved[from] = char(to);
        const std::pair<unsigned char, std::string_view> plainForms[] = {
            {0x82, ","}, {0x83, "f"}, {0x84, "\""}, {0x85, "..."}, {0x86, "+"}, {0x87, "+"},
            {0x88, "^"}, {0x89, "o/oo"}, {0x8B, "<"}, {0x91, "'"}, {0x92, "'"}, {0x93, "\""},
            {0x94, "\""}, {0x95, "-"}, {0x96, "-"}, {0x97, "-"}, {0x98, "~"}, {0x99, "TM"},
            {0x9B, ">"}, {0x81, "?"}, {0x8D, "?"}, {0x8F, "?"}, {0x90, "?"}, {0x9D, "?"},
            // Latin-1 signs whose places Latin-9 gave to the letters above.
            {0xA4, "?"}, {0xA6, "|"}, {0xA8, "\""}, {0xB4, "'"}, {0xB8, ","},
            {0xBC, "1/4"}, {0xBD, "1/2"}, {0xBE, "3/4"}};
        for (const auto &[from, text] : plainForms)
            plain[from] = text;
        for (std::size_t c = 0; c < changes.size(); ++c)
            changes[c] = moved[c] != 0 || !plain[c].empty();
    }
};

const Mapping &mapping()
{
    static const Mapping m;
    return m;
}

} // namespace

int appendFrom1252(std::string &out, std::string_view text)
{
    const Mapping &m = mapping();
    int replaced = 0;
    std::size_t kept = 0; // the bytes from here on stay themselves so far
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!m.changes[byte])
            continue;
        out.append(text.substr(kept, i - kept));
        kept = i + 1;
        if (m.moved[byte] != 0) {
            out += m.moved[byte];
        } else {
            out += m.plain[byte];
            ++replaced;
        }
    }
    out.append(text.substr(kept));
    return replaced;
}

} // namespace latin9
