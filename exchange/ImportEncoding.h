#pragma once

#include <string>
#include <string_view>

// The character set of a file to import. Exchange files are code page 1252,
// but today's banks and spreadsheets write UTF-8: a file that is valid UTF-8
// and holds bytes above 127 is read as UTF-8 (a byte-order mark is dropped),
// and every other file as code page 1252.
namespace exchange {

struct Cp1252Text {
    std::string bytes;
    bool fromUtf8 = false;
    // Characters code page 1252 has no byte for, each turned into one "?".
    int replaced = 0;
};

// Whether any byte lies above 127, outside the ASCII both sets share.
bool holdsHighBytes(std::string_view bytes);

// Whether the bytes form valid UTF-8: no stray continuation byte, no cut
// sequence, no overlong form, no surrogate, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

// The file's text as code page 1252 bytes, whichever set it was written in.
Cp1252Text toCp1252(std::string bytes);

} // namespace exchange
