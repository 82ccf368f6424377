#pragma once

#include "bank/Statement.h"

#include <QString>
#include <string_view>

// Statements in the Open Financial Exchange format, version 1 (SGML, with
// its header lines "OFXHEADER:100"..., leaf tags left unclosed) and version 2
// (XML). Each transaction's amount and date are read from their texts by the
// rules of the other formats: a value that cannot be read exactly refuses
// the whole statement. The file is read in one pass, and refused first when
// it holds more tags or nests them deeper than a bank's statement does.
namespace bank::ofx {

// Whether the bytes begin as such a file does.
bool looksLike(std::string_view bytes);

// Reads the bank statement of the file's bytes into `out`; the French reason
// the file cannot be read when it is damaged or holds no statement (empty on
// success, `out` then filled).
QString read(std::string_view bytes, Statement &out);

} // namespace bank::ofx
