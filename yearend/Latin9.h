#pragma once

#include <string>
#include <string_view>

// ISO 8859-15 (Latin-9), the character set of the FEC, from the code page
// 1252 bytes of the dossier. The characters of code page 1252 that Latin-9
// lacks become their plain forms (’ ‘ → ', “ ” → ", – — → -, … → ...), and
// control characters, which would break the file's lines and fields, become
// blanks; each counts as one replacement.
namespace latin9 {

// Appends the text in Latin-9 to `out`; gives back how many characters were replaced.
int appendFrom1252(std::string &out, std::string_view cp1252);

} // namespace latin9
